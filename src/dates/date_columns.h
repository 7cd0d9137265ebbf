#pragma once
// The settings-row cells of a current table that the loan dates write: the first-payment
// correction's markers and the era of calendar-aligned month numbers. The other uses of
// the columns are in core/schedule_columns.h.
#include "core/schedule_columns.h"

namespace rebanto::date_col {

inline constexpr int kCorrectionTitle = schedule_col::kWorkName;  // "○○ " + the loan's file
inline constexpr int kLoanDate = schedule_col::kInterest;         // "実行日" + the loan date
inline constexpr int kFirstPaymentDate = schedule_col::kRepaid;   // "初回返済日" + the date
// "初回返済額" + the first instalment reported, or "初回返済額無補正".
inline constexpr int kCorrectionMarker = schedule_col::kNewPrincipal;
// "平" and "成" once the month numbers follow the calendar of the first payments.
inline constexpr int kEraYear = schedule_col::kYears;
inline constexpr int kEraMonth = schedule_col::kMonthOfYear;

}  // namespace rebanto::date_col
