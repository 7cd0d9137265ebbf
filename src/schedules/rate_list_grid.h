#pragma once
// Positions in the variable-rate list grid (StringGrid6): 70 half-yearly rates as 7
// five-year blocks (columns 1 to 7) of 10 half-years (rows 1 to 10); row 0 heads the
// blocks and column 0 labels the years.
namespace rebanto::rate_list {

inline constexpr int kHalfYears = 70;
inline constexpr int kBlocks = 7;
inline constexpr int kHalfYearsPerBlock = 10;
inline constexpr int kMonthsPerBlock = 60;
inline constexpr int kHeadRow = 0;
inline constexpr int kLabelCol = 0;

// Half-year k (from 0) sits in column k div 10 + 1, row k mod 10 + 1.
constexpr int row_of(int k) {
    return k % kHalfYearsPerBlock + 1;
}
constexpr int col_of(int k) {
    return k / kHalfYearsPerBlock + 1;
}

}  // namespace rebanto::rate_list
