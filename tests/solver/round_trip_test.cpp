#include "solver/variant/variant_solver.h"

#include "tests/regions.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One row of the table that tests/solver/round_trip/make_round_trips.py writes: a triangle's
// shown values typed into a variant, and for each quantity of the row the range of the
// exact triangle while the typed values move by half a thousandth.
struct RoundTrip {
    int row = 0;
    std::int16_t variant = 0; // 1 to 6, as the window names them
    std::string shape;
    std::string given[2];
    double low[4] = {};
    double high[4] = {};
};

std::vector<RoundTrip> readTable()
{
    return tests::ReadTableRows<RoundTrip>(
        TRIANGLE_ROUND_TRIP_TABLE, [](std::istream& fields, RoundTrip& trip) {
            fields >> trip.row >> trip.variant >> trip.shape >> trip.given[0] >> trip.given[1];
            for (int j = 0; j < 4; ++j)
                fields >> trip.low[j] >> trip.high[j];
        });
}

// The text as a user of the Bulgarian region types it.
std::string withComma(std::string text)
{
    for (char& ch : text) {
        if (ch == '.')
            ch = ',';
    }
    return text;
}

TEST(RoundTrip, ShownValuesTypedBackGiveTheTriangleWithinTheirRounding)
{
    const std::vector<RoundTrip> rows = readTable();
    ASSERT_EQ(rows.size(), 4320u) << "the table " << TRIANGLE_ROUND_TRIP_TABLE;
    const char* names[4] = {"a", "c", "P", "S"};
    for (const RoundTrip& trip : rows) {
        // Every other row typed as in the Bulgarian region.
        const bool bulgarian = trip.row % 2 == 0;
        const triangle::NumberFormat region = bulgarian ? regions::bgBG() : regions::enUS();
        const std::string first = bulgarian ? withComma(trip.given[0]) : trip.given[0];
        const std::string second = bulgarian ? withComma(trip.given[1]) : trip.given[1];
        const auto solved =
            triangle::Solve(static_cast<std::int16_t>(trip.variant - 1), first, second, region);
        if (!solved.ok()) {
            ADD_FAILURE() << "row " << trip.row << " (" << trip.shape << "): variant "
                          << trip.variant << " refused " << first << ", " << second;
            continue;
        }
        const triangle::RowFields& values = solved.value();
        const triangle::FieldNumber columns[4] = {values.a, values.c, values.P, values.S};
        for (int j = 0; j < 4; ++j) {
            // The table's ranges carry 16 digits; the double arithmetic a few units in the
            // last place besides.
            const double slack = std::fabs(trip.high[j]) * 1e-13;
            EXPECT_GE(*columns[j], trip.low[j] - slack)
                << "row " << trip.row << " (" << trip.shape << "), variant " << trip.variant
                << " given " << first << ", " << second << ": " << names[j];
            EXPECT_LE(*columns[j], trip.high[j] + slack)
                << "row " << trip.row << " (" << trip.shape << "), variant " << trip.variant
                << " given " << first << ", " << second << ": " << names[j];
        }
    }
}

} // namespace
