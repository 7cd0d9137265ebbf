// rebanto-schedule: its options, the schedule it computes through the same models as the
// window (a prepayment replayed by the navigator), and the formats it prints.
#include <gtest/gtest.h>

#include "base/cp932.h"
#include "schedule/schedule_options.h"
#include "schedule/schedule_output.h"
#include "schedule/schedule_run.h"

namespace rebanto::schedule {
namespace {

const std::vector<std::string> kTypical = {"--principal", "30000000", "--rate",        "2.325",
                                           "--years",     "35",       "--bonus-share", "20"};

std::vector<std::string> typical_with(std::vector<std::string> more) {
    std::vector<std::string> args = kTypical;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::string error_of(const std::vector<std::string>& args) {
    try {
        parse(args);
    } catch (const OptionError& e) {
        return e.what();
    }
    return {};
}

// ---- Options ----

TEST(ScheduleOptions, TheTypicalLoanWithItsDefaults) {
    const Request r = parse(kTypical);
    EXPECT_EQ(r.principal, "30000000");
    EXPECT_EQ(r.rate, "2.325");
    EXPECT_EQ(r.years, "35");
    EXPECT_EQ(r.months, "0");
    EXPECT_EQ(r.step, "1");
    EXPECT_EQ(r.accrual_unit, 100);
    EXPECT_FALSE(r.equal_principal);
    EXPECT_EQ(r.format, Format::Csv);
    EXPECT_EQ(r.part, Part::Both);
}

TEST(ScheduleOptions, RoundingPrepaymentsAndFormats) {
    const Request r = parse(typical_with({"--rounding", "up,half", "--prepay", "60:2000000",
                                          "--prepay", "120:-500000:lower", "--format", "json",
                                          "--encoding", "cp932", "--method", "equal-principal"}));
    EXPECT_EQ(r.instalment_rounding, 2);
    EXPECT_EQ(r.interest_rounding, 1);
    ASSERT_EQ(r.prepayments.size(), 2u);
    EXPECT_EQ(r.prepayments[0].month, 60);
    EXPECT_TRUE(r.prepayments[0].shorten);
    EXPECT_EQ(r.prepayments[1].amount, "-500000");
    EXPECT_FALSE(r.prepayments[1].shorten);
    EXPECT_TRUE(r.equal_principal);
    EXPECT_EQ(r.encoding, Encoding::Cp932);
}

TEST(ScheduleOptions, EveryBadOptionIsNamedInItsMessage) {
    EXPECT_EQ(error_of(typical_with({"--rate", "2,3"})).rfind("--rate:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--years", "-1"})).rfind("--years:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--method", "annuity"})).rfind("--method:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--unit", "50"})).rfind("--unit:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--prepay", "420:1000"})).rfind("--prepay:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--prepay", "60"})).rfind("--prepay:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--prepay", "60:1x"})).rfind("--prepay:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--step"})).rfind("--step:", 0), 0u);
    EXPECT_EQ(error_of(typical_with({"--colour", "red"})).rfind("--colour:", 0), 0u);
    EXPECT_EQ(error_of({"--rate", "2", "--years", "3"}).rfind("--principal:", 0), 0u);
    EXPECT_EQ(
        error_of({"--principal", "1000000", "--rate", "2", "--years", "0"}).rfind("--years:", 0),
        0u);
}

TEST(ScheduleOptions, HelpNeedsNoLoan) {
    EXPECT_TRUE(parse({"--help"}).help);
    const std::string text = usage();
    EXPECT_NE(text.find("使い方"), std::string::npos);
    EXPECT_NE(text.find("Usage"), std::string::npos);
}

// ---- The schedule ----

TEST(ScheduleRun, TheTypicalLoanEndsWithTheKnownTotals) {
    const Tables t = compute(parse(kTypical));
    ASSERT_EQ(t.monthly.size(), 2u + 420 + 1);
    EXPECT_EQ(t.monthly[2][6], "83564");
    // Monthly totals: interest 11,096,677, principal 24,000,203 (203 overpaid).
    EXPECT_EQ(t.monthly.back()[10], "11096677");
    EXPECT_EQ(t.monthly.back()[11], "24000203");
    EXPECT_EQ(t.bonus.back()[10], "2801616");
}

TEST(ScheduleRun, APrepaymentIsReplayedByTheNavigator) {
    // 2,000,000 yen with month 60, the term shortened: the last row is month 374 and leaves
    // 1,327 yen below 0.3 instalments; interest 9,254,263 in all.
    const Tables t = compute(parse(typical_with({"--prepay", "60:2000000"})));
    EXPECT_EQ(t.monthly[62][1], "内");
    EXPECT_EQ(t.monthly[62][11], "2000000");
    const auto& last = t.monthly[t.monthly.size() - 2];
    EXPECT_EQ(last[0], "374");
    EXPECT_EQ(last[12], "1327");
    EXPECT_EQ(t.monthly.back()[10], "9254263");
}

TEST(ScheduleRun, APrepaymentLoweringTheInstalmentKeepsTheTerm) {
    const Tables t = compute(parse(typical_with({"--prepay", "60:2000000:lower"})));
    EXPECT_EQ(t.monthly[63][6], "75842");
    EXPECT_EQ(t.monthly[t.monthly.size() - 2][0], "420");
    EXPECT_EQ(t.monthly[t.monthly.size() - 2][12], "0");
}

TEST(ScheduleRun, AMonthNoRowEndsInIsRefused) {
    EXPECT_THROW(compute(parse(typical_with({"--step", "6", "--prepay", "61:1000000"}))),
                 OptionError);
}

// ---- Output ----

TEST(ScheduleOutput, TabsAreTheRunnersDumpAndCsvQuotesWhatNeedsIt) {
    Tables t;
    t.monthly = {{"月回", "a,b"}, {"1", "x\"y"}};
    t.bonus = {{"b"}};
    EXPECT_EQ(render(t, Format::Tsv, Part::Monthly, Encoding::Utf8), "月回\ta,b\n1\tx\"y\n");
    EXPECT_EQ(render(t, Format::Csv, Part::Both, Encoding::Utf8),
              "月回,\"a,b\"\n1,\"x\"\"y\"\n\nb\n");
}

TEST(ScheduleOutput, CodePage932ComesWithCrLf) {
    Tables t;
    t.bonus = {{"ﾎﾞｰﾅｽ", "T･6"}};
    const std::string bytes = render(t, Format::Csv, Part::Bonus, Encoding::Cp932);
    EXPECT_EQ(bytes, utf8_to_cp932("ﾎﾞｰﾅｽ,T･6") + "\r\n");
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCE);  // half-width katakana: one byte
}

TEST(ScheduleOutput, JsonEscapesAndNamesThePart) {
    Tables t;
    t.monthly = {{"a\"b", "c\\d"}};
    EXPECT_EQ(render(t, Format::Json, Part::Monthly, Encoding::Utf8),
              "{\n  \"monthly\": [\n    [\"a\\\"b\", \"c\\\\d\"]\n  ]\n}\n");
}

}  // namespace
}  // namespace rebanto::schedule
