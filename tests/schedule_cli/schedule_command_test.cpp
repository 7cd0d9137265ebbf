// rebanto-schedule as a whole command: what it writes where and the exit code it ends with,
// for a schedule, a bad option and a loan the calculation cannot give a schedule for.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "schedule/schedule_command.h"

namespace rebanto::schedule {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args, Language language = Language::English) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_command(args, language, "7.7", out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> loan(std::vector<std::string> more) {
    std::vector<std::string> args = {"--principal", "1200000", "--rate", "2", "--years", "1"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(ScheduleCommand, APrintedScheduleGoesToStandardOutputAlone) {
    const Outcome o = run(loan({"--part", "monthly"}));
    EXPECT_EQ(o.status, kPrinted);
    EXPECT_EQ(o.err, "");
    // A header line and twelve months.
    EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 13);
}

TEST(ScheduleCommand, VersionAndHelpNeedNoLoan) {
    EXPECT_EQ(run({"--version"}).out, "rebanto-schedule 7.7\n");
    const Outcome help = run({"-h"}, Language::Japanese);
    EXPECT_EQ(help.status, kPrinted);
    EXPECT_EQ(help.out.rfind("使い方: rebanto-schedule", 0), 0u);
}

TEST(ScheduleCommand, ABadOptionIsOneMessageAndNothingPrinted) {
    const Outcome o = run(loan({"--unit", "50"}), Language::Japanese);
    EXPECT_EQ(o.status, kBadOption);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "rebanto-schedule: --unit: 「50」は 1, 10, 100, 1000, 10000 のいずれかです\n");
}

TEST(ScheduleCommand, AHugeTermIsRefusedBeforeAnythingIsWorkedOut) {
    for (const auto& [option, text] : std::vector<std::pair<std::string, std::string>>{
             {"--months", "1000000000"},
             {"--years", "1000000000"},
             {"--step", "1000000000"},
             {"--months", "99999999999999999999999"}}) {
        const Outcome o = run({"--principal", "1000000", "--rate", "2", option, text, "--years",
                               option == "--years" ? text : "1"});
        EXPECT_EQ(o.status, kBadOption) << option << " " << text;
        EXPECT_EQ(o.err.rfind("rebanto-schedule: " + option + ": \"" + text + "\"", 0), 0u)
            << o.err;
    }
    // The prepayment's month names the prepayment.
    const Outcome o = run(loan({"--prepay", "1000000000:1000"}));
    EXPECT_EQ(o.err.rfind("rebanto-schedule: --prepay: \"1000000000\"", 0), 0u) << o.err;
}

// The window refuses a step longer than what is left of the term and computes nothing; the
// command names the step instead of printing empty tables as a schedule.
TEST(ScheduleCommand, AStepLongerThanTheTermIsNamed) {
    const Outcome o = run(loan({"--step", "13"}));
    EXPECT_EQ(o.status, kBadOption);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "rebanto-schedule: --step: \"13\" is longer than the term of 12 months\n");
    EXPECT_EQ(run(loan({"--step", "13"}), Language::Japanese).err,
              "rebanto-schedule: --step: 「13」は返済期間の 12 か月を超えています\n");
    // Thirty-five years and a month in steps of 421 months: one month too long.
    EXPECT_EQ(run({"--principal", "1000", "--rate", "2", "--years", "35", "--months", "1", "--step",
                   "422"})
                  .status,
              kBadOption);
    // A step of the whole term is one row.
    const Outcome whole = run(loan({"--step", "12", "--part", "monthly"}));
    EXPECT_EQ(whole.status, kPrinted) << whole.err;
    EXPECT_EQ(std::count(whole.out.begin(), whole.out.end(), '\n'), 2);
}

// 100 yen repaid wholly by bonuses at 1000 %: the run leaves both tables empty without a
// message. That is no schedule, and success must not be claimed for it.
TEST(ScheduleCommand, ARunThatComputesNothingIsAFailedCalculation) {
    const Outcome o =
        run({"--principal", "100", "--rate", "1000", "--years", "1", "--bonus-share", "100"});
    EXPECT_EQ(o.status, kCalculationFailed);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "rebanto-schedule: no schedule could be calculated for this loan\n");
    // Only the monthly part of a loan repaid by bonuses alone is empty, and rightly so.
    const Outcome bonus_only = run({"--principal", "1000000", "--rate", "2", "--years", "1",
                                    "--bonus-share", "100", "--part", "monthly"});
    EXPECT_EQ(bonus_only.status, kPrinted) << bonus_only.err;
}

}  // namespace
}  // namespace rebanto::schedule
