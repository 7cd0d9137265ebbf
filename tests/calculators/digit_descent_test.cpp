// The digit-by-digit descent on plain functions: where it ends, what it writes, and what
// it says of a target out of its range.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "calculators/digit_descent.h"

namespace rebanto {
namespace {

// An integer input from 1,000,000,000 down with steps 10^8 … 1 (the last step twice),
// and an output that rises with it.
struct Fixture {
    std::int64_t input = -1;
    std::int64_t step = 1'000'000'000;
    std::vector<std::int64_t> writes;
    std::int64_t (*output)(std::int64_t) = nullptr;
    std::int64_t target = 0;

    DescentResult<std::int64_t> run() {
        DescentHooks<std::int64_t> hooks;
        hooks.write = [this](std::int64_t v) {
            input = v;
            writes.push_back(v);
        };
        hooks.crossed = [this] { return output(input) < target; };
        hooks.finer_step = [this] {
            step = step / 10 < 1 ? 1 : step / 10;
            return step;
        };
        return descend<std::int64_t>(1'000'000'000, 10, hooks);
    }
};

std::int64_t thirds(std::int64_t v) {
    return v / 3;
}

TEST(DigitDescent, EndsOnTheSmallestInputWhoseOutputReachesTheTarget) {
    for (const std::int64_t target : {1, 2, 1234, 33'333'333, 333'333'333}) {
        Fixture f;
        f.output = thirds;
        f.target = target;
        const auto result = f.run();
        // v / 3 ≥ t first holds at v = 3t.
        EXPECT_EQ(result.value, 3 * target) << target;
        EXPECT_EQ(f.input, 3 * target) << "the field holds the result";
        EXPECT_TRUE(result.ever_crossed);
    }
}

TEST(DigitDescent, NeverWritesBelowZeroAndStaysWithinTheRange) {
    Fixture f;
    f.output = thirds;
    f.target = 0;  // every input reaches it: the descent runs down to the bottom
    const auto result = f.run();
    for (const std::int64_t v : f.writes) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 1'000'000'000);
    }
    EXPECT_EQ(result.value, 1) << "the bottom digit";
    EXPECT_FALSE(result.ever_crossed) << "the target lies below the range";
}

TEST(DigitDescent, ATargetAboveTheTopEndsAtTheTopWithTheOutputStillShort) {
    Fixture f;
    f.output = thirds;
    f.target = 400'000'000;  // above 1,000,000,000 / 3
    const auto result = f.run();
    EXPECT_EQ(result.value, 1'000'000'000);
    EXPECT_LT(thirds(result.value), f.target);
}

TEST(DigitDescent, EachDigitTakesAtMostTenStepsDownAndOneBack) {
    Fixture f;
    f.output = thirds;
    f.target = 12'345;
    f.run();
    // The first write is the top; each digit writes at most ten trials and the step back.
    EXPECT_EQ(f.writes.front(), 1'000'000'000);
    EXPECT_LE(f.writes.size(), 1u + 10u * 11u);
}

TEST(DigitDescent, RatesDescendInExtendedPrecisionToTheFinestStep) {
    long double rate = -1;
    long double step = 100;
    DescentHooks<long double> hooks;
    hooks.write = [&](long double v) { rate = v; };
    // An output that rises with the rate and reaches the target from 2.325 % on.
    hooks.crossed = [&] { return rate < 2.325L - 1e-9L; };
    hooks.finer_step = [&] { return step /= 10; };
    const auto result = descend<long double>(100, 7, hooks);
    EXPECT_NEAR(static_cast<double>(result.value), 2.325, 1e-9);
    EXPECT_NEAR(static_cast<double>(step), 0.00001, 1e-15) << "seven digits: 10 % … 0.00001 %";
}

}  // namespace
}  // namespace rebanto
