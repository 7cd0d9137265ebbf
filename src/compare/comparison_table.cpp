#include "compare/comparison_table.h"

namespace rebanto::comparison {

RowKind kind_of(const std::string& remark) {
    if (remark == "K") return RowKind::Totals;
    if (remark.empty() || remark[0] == 'D' || remark[0] == 'S') return RowKind::Plain;
    if (remark[0] == 'U') return RowKind::Prepayment;
    return RowKind::Other;
}

YearMonth year_month(long month_number, bool calendar) {
    if (calendar) return {(month_number - 1) / 12, (month_number - 1) % 12 + 1};
    return {month_number / 12, month_number % 12};
}

}  // namespace rebanto::comparison
