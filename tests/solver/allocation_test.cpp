#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"
#include "solver/variant/variant_solver.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

// Counts every allocation of the test program, so that a test can tell how many a piece of
// code made.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

template <typename Work> long allocationsOf(Work work)
{
    const long before = allocations.load();
    work();
    return allocations.load() - before;
}

TEST(Allocations, OrdinaryTextsAreReadWithoutAllocating)
{
    const triangle::NumberFormat period = regions::enUS();
    const triangle::NumberFormat bulgarian = regions::bgBG();
    const triangle::NumberFormat parentheses = regions::parenthesesNoLeadingZero();
    const triangle::NumberFormat indian = regions::hiIN();
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber("12.5", period); }), 0);
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber(" -1,234,567.125 ", period); }),
              0);
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber("2,449", bulgarian); }), 0);
    EXPECT_EQ(allocationsOf(
                  [&] { return triangle::ReadFieldNumber("1\u00A0231\u00A0004,502", bulgarian); }),
              0);
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber("(1 234,5)", parentheses); }),
              0);
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber("12,34,567.5", indian); }), 0);
    EXPECT_EQ(allocationsOf([&] { return triangle::ReadFieldNumber("1.5e3 cm", period); }), 0);
    // A long text is still read whole; it may allocate.
    const std::string longText = "1" + std::string(200, '0') + ".5";
    const auto read = triangle::ReadFieldNumber(longText);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), 1e200);
}

TEST(Allocations, OrdinaryTextsAreReadStrictlyWithoutAllocating)
{
    const triangle::NumberFormat period = regions::enUS();
    const triangle::NumberFormat bulgarian = regions::bgBG();
    const triangle::NumberFormat parentheses = regions::parenthesesNoLeadingZero();
    const triangle::NumberFormat indian = regions::hiIN();
    auto strictly = [](const char* text, const triangle::NumberFormat& region) {
        return allocationsOf([&] {
            const auto read = triangle::ReadFieldNumberStrictly(text, region);
            EXPECT_TRUE(read.ok()) << text;
        });
    };
    EXPECT_EQ(strictly("12.5", period), 0);
    EXPECT_EQ(strictly(" -1,234,567.125 ", period), 0);
    EXPECT_EQ(strictly("1 234 567.125", period), 0);
    EXPECT_EQ(strictly("2,449", bulgarian), 0);
    EXPECT_EQ(strictly("1 234,5", bulgarian), 0);
    EXPECT_EQ(strictly("1\u00A0231\u00A0004,502", bulgarian), 0);
    EXPECT_EQ(strictly("(1 234,5)", parentheses), 0);
    EXPECT_EQ(strictly("12,34,567.5", indian), 0);
}

TEST(Allocations, AFieldsTextIsWrittenInAtMostOneAllocation)
{
    const triangle::NumberFormat period = regions::enUS();
    const triangle::NumberFormat bulgarian = regions::bgBG();
    // Short texts fit inside std::string itself.
    EXPECT_EQ(allocationsOf([&] { return triangle::FormatFieldNumber(3.0, bulgarian); }), 0);
    EXPECT_EQ(allocationsOf([&] { return triangle::FormatFieldNumber(-2.1245, period); }), 0);
    EXPECT_EQ(allocationsOf([&] { return triangle::FormatFieldNumber(1234567.5, bulgarian); }), 0);
    EXPECT_EQ(allocationsOf([&] { return triangle::FormatFieldNumber(1e21, period); }), 1);
    EXPECT_EQ(allocationsOf([&] { return triangle::FormatFieldNumber(std::nullopt, period); }), 0);
}

TEST(Allocations, AWholeCalculationAllocatesNothingButItsResults)
{
    const triangle::NumberFormat bulgarian = regions::bgBG();
    EXPECT_EQ(allocationsOf([&] {
                  const auto solved = triangle::Solve(2, "10,3", "12,7", bulgarian);
                  const triangle::RowFields& row = solved.value();
                  for (const triangle::FieldNumber& value : {row.a, row.c, row.P, row.S})
                      static_cast<void>(triangle::FormatFieldNumber(value, bulgarian));
              }),
              0);
}

} // namespace
