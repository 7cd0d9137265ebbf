#pragma once
// The difference table A − B: table A's title rows, table B's title rows marked "▲",
// then one row per month of either table. Months both tables have are subtracted; a
// month of one table alone is marked "△" (A only) or "▼" (B only); prepayment rows fold
// into the row before them; totals rows are left out.
#include "compare/comparison_table.h"

namespace rebanto::comparison {

// Appends the difference table's rows, header and title rows included, to `out` (which
// is expected empty). `titles_a` and `titles_b` are the title-row counts. A cell that is
// no number stops the work with an error naming it; the rows appended so far stay in
// `out`.
void difference_rows(const Grid& a, int titles_a, const Grid& b, int titles_b, bool calendar,
                     Rows& out);

}  // namespace rebanto::comparison
