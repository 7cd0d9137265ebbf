#pragma once
// The comparison tables: 12 text columns, row 0 the header, then one title row per
// schedule that went into the table, then one data row per period.
#include <array>
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto::comparison {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

inline constexpr int kColumns = 12;
// Columns of a comparison row.
inline constexpr int kMonth = 0;
inline constexpr int kYear = 1;
inline constexpr int kMonthOfYear = 2;
inline constexpr int kInstalment = 3;
inline constexpr int kInterest = 4;
inline constexpr int kPrincipal = 5;
inline constexpr int kRemark = 6;
inline constexpr int kBlank = 7;  // no header, never written; exported as it stands
inline constexpr int kNewPrincipal = 8;
inline constexpr int kInterestSoFar = 9;
inline constexpr int kPrincipalSoFar = 10;
inline constexpr int kOutstanding = 11;
// A title row names its schedule in the month column ("M1記憶").
inline constexpr int kTitle = kMonth;

// The header texts; column 7 has none and is never written.
inline constexpr std::array<const char*, kColumns> kHeader{
    "月回", "年",    "月",           "返済１回分", "利息小計",   "元入小計",
    "備考", nullptr, "新規発生元金", "利息累計額", "元入累計額", "元金残総額"};

// The composite monthly table's column each comparison column is taken from; column 7
// is not filled (-1).
inline constexpr std::array<int, kColumns> kFromComposite{0,  1,  2,  6,  10, 11,
                                                          13, -1, 17, 18, 19, 20};

// How a row's remark classes it.
enum class RowKind { Plain, Prepayment, Totals, Other };
RowKind kind_of(const std::string& remark);

// Year and month of a month number: months counted from the loan start (year n div 12,
// month 0..11) or calendar months (month 1..12).
struct YearMonth {
    long year;
    long month;
};
YearMonth year_month(long month_number, bool calendar);

}  // namespace rebanto::comparison
