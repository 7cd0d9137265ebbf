// The first payment's interest counted by days from the loan date.
#include "forms/tform1.h"

namespace rebanto {

// "各合計数値の初回訂正": corrects the running totals for the first payment's day
// interest once loan dates are kept; without them the totals stand as computed.
void TForm1::first_payment_totals_correction() {}

// "初回計算": recomputes the first-payment reference after a table is cleared; it needs
// the loan dates, which are not kept yet.
void TForm1::first_payment_reference() {}

}  // namespace rebanto
