#pragma once
// What the prepayment verification asks of memories 1 (the long loan) and 5 (the short
// loan) before it changes anything, and what it reads of the memories it built.
#include <optional>
#include <string>

#include "base/money.h"
#include "forms/tforcur.h"
#include "tables/pack_file.h"

namespace rebanto::comparison {

// Why memory `k` (1 or 5) cannot take part, or nothing: it must hold a schedule
// (`memory` is null when it was never stored), computed one instalment a row.
std::optional<std::string> missing_problem(const TablesSnapshot* memory, int k);
std::optional<std::string> layout_problem(const TablesSnapshot& memory, int k);

// Memory 1 must hold the loan that ends later.
std::optional<std::string> reversal_problem(const TablesSnapshot& long_loan,
                                            const TablesSnapshot& short_loan);

// The last payment row of a stored table: the last row, or the row before it when that is
// a totals row. Its month number, instalment and the principal left after it; all zero
// when the table holds no data row. A cell that is no number names the memory and cell.
struct LastPayment {
    long month = 0;
    Money instalment;
    Money remaining;
};
LastPayment last_payment(const TableRows& rows, const std::string& name);

}  // namespace rebanto::comparison
