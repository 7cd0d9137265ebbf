#pragma once
// Columns of a current table (StGr1, StGr2) and of every copy that keeps its layout:
// memories, pack files, the navigator's control tables, the composite tables. The rows
// themselves are in schedule_table.h (header, settings row, first data row).
namespace rebanto::schedule_col {

enum Col : int {
    kMonth = 0,          // "月回": cumulative month number at the end of the row
    kYears = 1,          // whole years of the month; "内" in a prepayment row, "経" in totals
    kMonthOfYear = 2,    // the month within its year; "入" / "過" in special rows
    kPrincipal = 3,      // principal at the start of the row
    kRate = 4,           // annual rate in percent
    kRemaining = 5,      // remaining instalments at the start of the row
    kInstalment = 6,     // equal instalment; in the settings row the run's first instalment
    kEndCount = 7,       // month or bonus payment number at the end of the row
    kLastInterest = 8,   // interest of the row's last payment; the method marker in row 1
    kInRow = 9,          // instalments covered by the row; the work-name log in row 1
    kInterest = 10,      // interest subtotal
    kRepaid = 11,        // principal subtotal; the amount of a prepayment
    kNewPrincipal = 12,  // principal left after the row
    kFlag = 13,          // row flag ("D", "U", "K", "S", "X"); the bonus settings in row 1
};

// The settings row's own uses of the columns above.
inline constexpr int kMethodMarker = kLastInterest;
inline constexpr int kWorkName = kInRow;
inline constexpr int kBonusSettings = kFlag;

}  // namespace rebanto::schedule_col
