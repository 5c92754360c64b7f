#include "solver/exact/exact_text.h"
#include "solver/number/typed_number.h"

#include "tests/regions.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using triangle::ReadTypedNumber;
using triangle::WriteExact;

struct TypedRow {
    std::string name;
    std::string text;
    std::string bulgarian; // the canonical form, "none" for a decimal alone, "refused"
    std::string value;     // sympy's, to 17 digits
};

// Every text of tests/solver/typed/typed_table.tsv, read in the Bulgarian region, is the
// number sympy made of its hand translation, in the same canonical form, or refused.
TEST(TypedNumber, TableTextsReadAsTheNumberTheyStandFor)
{
    const auto rows = tests::ReadTableRows<TypedRow>(
        TRIANGLE_TYPED_TABLE, [](std::istream& fields, TypedRow& row) {
            for (std::string* field : {&row.name, &row.text, &row.bulgarian, &row.value})
                std::getline(fields, *field, '\t');
        });
    ASSERT_GE(rows.size(), 40u) << "the table " << TRIANGLE_TYPED_TABLE;
    for (const TypedRow& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.text);
        const auto read = ReadTypedNumber(row.text, regions::bgBG());
        if (row.bulgarian == "refused") {
            EXPECT_FALSE(read.ok());
            continue;
        }
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(WriteExact(read.value().exact, regions::bgBG()).value_or("none"), row.bulgarian);
        const double value = std::stod(row.value);
        EXPECT_NEAR(read.value().value, value, 0x1p-52 * std::fabs(value));
    }
}

} // namespace
