// rebanto-schedule: its options, the schedule it computes through the same models as the
// window (a prepayment replayed by the navigator), and the formats it prints.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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
                                          "--prepay", "120:-500000:lower", "--format", "tsv",
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
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"--principal", "abc"}, "--principal:"},
        {{"--principal", "0"}, "--principal:"},
        {{"--principal", "1,00"}, "--principal:"},  // not grouped by threes
        {{"--principal", "20000000000"}, "--principal:"},
        {{"--rate", "2,3"}, "--rate:"},
        {{"--rate", "1001%"}, "--rate:"},
        {{"--rate", "2%%"}, "--rate:"},
        {{"--years", "-1"}, "--years:"},
        {{"--years", "3.5"}, "--years:"},
        {{"--months", "x"}, "--months:"},
        {{"--months", "12000"}, "--months:"},
        {{"--bonus-share", "101"}, "--bonus-share:"},
        {{"--bonus-share", "-1%"}, "--bonus-share:"},
        {{"--method", "annuity"}, "--method:"},
        {{"--step", "0"}, "--step:"},
        {{"--rounding", "sideways"}, "--rounding:"},
        {{"--rounding", "up,nearest"}, "--rounding:"},
        {{"--unit", "50"}, "--unit:"},
        {{"--prepay", "420:1000"}, "--prepay:"},
        {{"--prepay", "60"}, "--prepay:"},
        {{"--prepay", "60:1x"}, "--prepay:"},
        {{"--prepay", "0:1000"}, "--prepay:"},
        {{"--prepay", "60:1000:faster"}, "--prepay:"},
        {{"--format", "xml"}, "--format:"},
        {{"--part", "all"}, "--part:"},
        {{"--encoding", "latin1"}, "--encoding:"},
        {{"--format", "json", "--encoding", "cp932"}, "--encoding:"},
        {{"--step"}, "--step:"},
        {{"--step", "--format", "json"}, "--step:"},
        {{"--help=yes"}, "--help:"},
    };
    for (const auto& [more, option] : bad) {
        const std::string message = error_of(typical_with(more));
        EXPECT_EQ(message.rfind(option, 0), 0u) << more[0] << " gave: " << message;
    }
    EXPECT_EQ(error_of({"--rate", "2", "--years", "3"}).rfind("--principal:", 0), 0u);
    EXPECT_EQ(
        error_of({"--principal", "1000000", "--rate", "2", "--years", "0"}).rfind("--years:", 0),
        0u);
}

TEST(ScheduleOptions, AnUnknownOptionIsCalledSoWithOrWithoutAValue) {
    EXPECT_EQ(error_of(typical_with({"--colour", "red"})), "--colour: unknown option");
    EXPECT_EQ(error_of(typical_with({"--colour"})), "--colour: unknown option");
    EXPECT_EQ(error_of(typical_with({"--colour=red"})), "--colour: unknown option");
    EXPECT_EQ(error_of(typical_with({"colour"})), "colour: unknown argument");
    EXPECT_EQ(error_of(typical_with({"--years"})), "--years: missing value");
}

TEST(ScheduleOptions, MessagesInJapaneseAndEnglish) {
    try {
        parse(typical_with({"--unit", "50"}));
        FAIL() << "a unit of 50 yen was taken";
    } catch (const OptionError& e) {
        EXPECT_EQ(e.in(Language::English), "--unit: \"50\" must be one of 1, 10, 100, 1000, 10000");
        EXPECT_EQ(e.in(Language::Japanese),
                  "--unit: 「50」は 1, 10, 100, 1000, 10000 のいずれかです");
    }
    EXPECT_EQ(language_of(nullptr, nullptr, "ja_JP.UTF-8"), Language::Japanese);
    EXPECT_EQ(language_of(nullptr, nullptr, "en_GB.UTF-8"), Language::English);
    EXPECT_EQ(language_of(nullptr, nullptr, nullptr), Language::English);
    EXPECT_EQ(language_of("C", nullptr, "ja_JP.UTF-8"), Language::English);
    EXPECT_EQ(language_of("", "ja_JP.UTF-8", "C"), Language::Japanese);
}

TEST(ScheduleOptions, EqualsSignsGroupedAmountsAndPercentSigns) {
    const Request r = parse({"--principal=30,000,000", "--rate", "2.325%", "--years=35",
                             "--bonus-share=20%", "--prepay=60:2,000,000:lower", "--format=json"});
    EXPECT_EQ(r.principal, "30000000");
    EXPECT_EQ(r.rate, "2.325");
    EXPECT_EQ(r.years, "35");
    EXPECT_EQ(r.bonus_share, "20");
    ASSERT_EQ(r.prepayments.size(), 1u);
    EXPECT_EQ(r.prepayments[0].amount, "2000000");
    EXPECT_FALSE(r.prepayments[0].shorten);
    EXPECT_EQ(r.format, Format::Json);
    EXPECT_EQ(parse(typical_with({"--prepay", "120:-1,234.5"})).prepayments[0].amount, "-1234.5");
}

TEST(ScheduleOptions, VersionNeedsNoLoan) {
    EXPECT_TRUE(parse({"--version"}).version);
}

TEST(ScheduleOptions, HelpNeedsNoLoan) {
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_NE(std::string(usage(Language::Japanese)).find("使い方"), std::string::npos);
    EXPECT_NE(std::string(usage(Language::English)).find("Usage"), std::string::npos);
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

TEST(ScheduleRun, APrepaymentLargerThanTheBalanceIsRefused) {
    // 1,000,000 yen at 2 % over 10 years: the balance after month 60 is about 520,000 yen.
    const auto args = std::vector<std::string>{"--principal", "1000000", "--rate",   "2",
                                               "--years",     "10",      "--prepay", "60:2000000"};
    try {
        compute(parse(args));
        FAIL() << "a prepayment of twice the balance was replayed";
    } catch (const OptionError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("--prepay: the prepayment of 2000000 yen with month "
                                              "60 is larger than the balance of ",
                                              0),
                  0u)
            << e.what();
    }
}

TEST(ScheduleRun, AmountsBeyondTheRangeSayWhatHappened) {
    const auto args = std::vector<std::string>{"--principal", "9999999999", "--rate", "999",
                                               "--years",     "999",        "--step", "6"};
    try {
        compute(parse(args));
        FAIL() << "the overflowing loan was computed";
    } catch (const CalculationError& e) {
        EXPECT_EQ(e.in(Language::Japanese), "金額が計算できる範囲を超えました");
        EXPECT_EQ(e.in(Language::English), overflow_message().en);
    }
}

// ---- Output ----

Request as(Format format, Part part = Part::Both, Encoding encoding = Encoding::Utf8) {
    Request r;
    r.format = format;
    r.part = part;
    r.encoding = encoding;
    return r;
}

// A monthly table as the window holds it: header, settings row, a period row, a prepayment
// row and the totals row.
Tables small_tables() {
    Tables t;
    t.monthly = {
        {"月回", "年", "月", "元金", "年金利", "支払回数", "均等返済額 ", "(通算回目", "利息内訳) ",
         "1期回数", "利息小計", "元入小計", "新元金", ""},
        {"", "", "", "", "", "", "83564", "", "************", "", "", "", "", "T･6･6･64"},
        {"1", "0", "1", "24000000", "2.325", "420", "83564", "1", "46500", "1", "46500", "37064",
         "23962936", ""},
        {"1", "内", "入", "23962936", ".5", "内入", "1000000", "", "同時", "内入", "0", "1000000",
         "22962936", "U同時,x"},
        {"1", "経", "過", "1083564", "=精算総額", "返済計", "1083564", "-", "0", "経過", "46500",
         "1037064", "22962936", "K"},
    };
    t.bonus = {{"b"}, {"s"}};
    return t;
}

TEST(ScheduleOutput, TheLenderStyleTableIsTheGridAsItStands) {
    Tables t;
    t.monthly = {{"月回", "a,b"}, {"1", "x\"y"}};
    t.bonus = {{"b"}};
    EXPECT_EQ(render(t, as(Format::Table, Part::Monthly)), "月回\ta,b\n1\tx\"y\n");
    EXPECT_EQ(render(t, as(Format::Table)), "月回\ta,b\n1\tx\"y\n\nb\n");
}

TEST(ScheduleOutput, CsvHasOneHeaderLineAndNumbersInNumericColumns) {
    const std::string csv = render(small_tables(), as(Format::Csv, Part::Monthly));
    EXPECT_EQ(csv,
              "part,kind,month,year,month_of_year,principal,rate,remaining_payments,instalment,"
              "payment_number,last_interest,payments,interest,principal_repaid,balance,remark\n"
              "monthly,period,1,0,1,24000000,2.325,420,83564,1,46500,1,46500,37064,23962936,\n"
              "monthly,prepayment,1,,,23962936,0.5,,1000000,,,,0,1000000,22962936,\"U同時,x\"\n");
    const std::string tsv = render(small_tables(), as(Format::Tsv, Part::Monthly));
    EXPECT_EQ(tsv.substr(0, tsv.find('\n')).find(' '), std::string::npos);
    EXPECT_NE(tsv.find("monthly\tprepayment\t1\t\t\t23962936\t0.5\t"), std::string::npos);
}

TEST(ScheduleOutput, CodePage932ComesWithCrLf) {
    Tables t;
    t.bonus = {{"ﾎﾞｰﾅｽ", "T･6"}};
    const std::string bytes = render(t, as(Format::Table, Part::Bonus, Encoding::Cp932));
    EXPECT_EQ(bytes, utf8_to_cp932("ﾎﾞｰﾅｽ\tT･6") + "\r\n");
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCE);  // half-width katakana: one byte
}

TEST(ScheduleOutput, JsonRowsHaveNamedKeysAndNumbers) {
    const auto json = nlohmann::json::parse(render(small_tables(), as(Format::Json)));
    const auto& rows = json.at("monthly");
    ASSERT_EQ(rows.size(), 2u);  // the totals row is the summary
    EXPECT_EQ(rows[0].at("kind"), "period");
    EXPECT_EQ(rows[0].at("instalment"), 83564);
    EXPECT_EQ(rows[0].at("rate"), 2.325);
    EXPECT_EQ(rows[1].at("kind"), "prepayment");
    EXPECT_TRUE(rows[1].at("remaining_payments").is_null());
    EXPECT_EQ(rows[1].at("remark"), "U同時,x");
    EXPECT_EQ(json.at("summary").at("monthly").at("interest"), 46500);
    EXPECT_EQ(json.at("bonus").size(), 0u);
}

// The typical loan worked out apart (exact fractions, the balance cut to 100 yen before
// interest, interest and instalment rounded down): monthly part 24,000,000 yen over 420
// months, instalment 83,564, interest 11,096,677, principal 24,000,203 (203 overpaid by
// the last full instalment); bonus part 6,000,000 yen over 70 half-years, instalment 125,738,
// interest 2,801,616, principal 6,000,044.
TEST(ScheduleOutput, TheTypicalLoansSummaryIsItsTotals) {
    const Request r = parse(typical_with({"--format", "json"}));
    const auto json = nlohmann::json::parse(render(compute(r), r));
    const auto& s = json.at("summary");
    EXPECT_EQ(s.at("monthly").at("instalment"), 83564);
    EXPECT_EQ(s.at("monthly").at("interest"), 11096677);
    EXPECT_EQ(s.at("monthly").at("principal"), 24000203);
    EXPECT_EQ(s.at("monthly").at("paid"), 83564LL * 420);
    EXPECT_EQ(s.at("monthly").at("payments"), 420);
    EXPECT_EQ(s.at("monthly").at("months"), 420);
    EXPECT_EQ(s.at("monthly").at("last_month"), 420);
    EXPECT_EQ(s.at("bonus").at("instalment"), 125738);
    EXPECT_EQ(s.at("bonus").at("interest"), 2801616);
    EXPECT_EQ(s.at("bonus").at("principal"), 6000044);
    EXPECT_EQ(s.at("bonus").at("payments"), 70);
    EXPECT_EQ(s.at("interest"), 11096677 + 2801616);
    EXPECT_EQ(s.at("principal"), 24000203 + 6000044);
    EXPECT_EQ(json.at("inputs").at("principal"), 30000000);
    EXPECT_EQ(json.at("inputs").at("rate"), 2.325);
    EXPECT_EQ(json.at("monthly").size(), 420u);
}

TEST(ScheduleOutput, TheCsvInstalmentsAddUpToWhatWasPaid) {
    const Request r = parse(typical_with({"--part", "monthly"}));
    const std::string csv = render(compute(r), r);
    long long sum = 0;
    int rows = 0;
    std::size_t at = csv.find('\n') + 1;
    while (at < csv.size()) {
        const std::size_t end = csv.find('\n', at);
        std::vector<std::string> cells;
        std::string line = csv.substr(at, end - at);
        for (std::size_t from = 0;;) {
            const std::size_t comma = line.find(',', from);
            cells.push_back(line.substr(from, comma - from));
            if (comma == std::string::npos) break;
            from = comma + 1;
        }
        sum += std::stoll(cells.at(8));
        ++rows;
        at = end + 1;
    }
    EXPECT_EQ(rows, 420);
    EXPECT_EQ(sum, 11096677 + 24000203);
}

}  // namespace
}  // namespace rebanto::schedule
