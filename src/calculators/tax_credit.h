#pragma once
// The housing-loan tax credit (住宅ローン控除): the regimes with their rates by balance band
// and year, the credit of one year-end balance, and the year-end balances read from the
// current tables.
#include <array>
#include <string>
#include <vector>

#include "base/money.h"
#include "model/grid.h"

namespace rebanto::tax_credit {

// Columns of the deduction table.
enum Col : int {
    kYear = 0,
    kFirstRate = 1,  // rates of the bands 0-10, 10-20, 20-30 and 30-50 million yen
    kInstalment = 5,
    kMonthlyBalance = 6,
    kMonthlyMonth = 7,
    kBonusBalance = 8,
    kBonusMonth = 9,
    kTotalBalance = 10,
    kCredit = 11,
    kApplied = 12,
};
constexpr int kFirstYearRow = 2;
constexpr int kYears = 15;
constexpr const char* kMark = "○";

// Rates of the four balance bands for a run of years, as the table shows them ("1.5", ".5").
struct YearRates {
    int first_year;
    int last_year;
    std::array<const char*, 4> rates;
};

// Who may take the credit of a regime, and how much of it the resident tax may absorb.
struct Requirements {
    Money income_limit;             // 合計所得金額 at most this in the year of the credit
    Money small_home_income_limit;  // 40-50 ㎡ homes: at most this; zero: they do not qualify
    Money resident_cap;             // resident tax takes at most this a year; zero: none
};

// A regime: its caption, the rates by year (years not listed have no credit), the balance
// the credit is counted on at most, and who may take it.
struct Regime {
    const char* caption;
    std::vector<YearRates> years;
    Money cap;
    const char* note = "";  // where the figures come from, for the reader of the list
    Requirements requirements{};
};

// The five regimes of the window's radio buttons, in their order.
const std::vector<Regime>& classic_regimes();
// The regimes since 2022 (0.7 % of the balance up to a cap by kind of house), for the list.
const std::vector<Regime>& regimes_since_2022();

// "－" and the captions of the regimes since 2022, as the list offers them.
std::vector<std::string> later_regime_choices();

// The rates of year `year` (1-15) under a regime: "0" in every band when the year has none.
std::array<std::string, 4> rates_of_year(const Regime& regime, int year);

// The credit of one year: the balance up to the cap, charged band by band (10, 10, 10 and
// 20 million yen at the four rates, percent held as ten-thousandths like an amount),
// truncated to whole yen. Worked out exactly: 0.7 % of 30,000,000 is 210,000, not a hair less.
Money year_credit(Money balance, const std::array<Money, 4>& rates, Money cap);

// The key month: `wanted` when a data row's month display (column 2) has it, else the
// month before, and so on (0 wraps to 11), at most twelve steps; empty when none matches.
std::string key_month(const Grid& table, const std::string& wanted);

// Year-end balances of the current tables into the deduction table (columns 5 to 9 and the
// marks), from the month display `wanted` for December.
void analyse_year_ends(const Grid& monthly, const Grid& bonus, const std::string& wanted,
                       Grid& deduction);

}  // namespace rebanto::tax_credit
