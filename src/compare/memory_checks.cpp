#include "compare/memory_checks.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "core/schedule_rows.h"

namespace rebanto::comparison {

namespace {

namespace col = schedule_col;

constexpr int kFirstDataRow = 2;

bool holds_data(const TableRows& rows) {
    return rows.size() > kFirstDataRow;
}

const std::string& cell(const TableRows& rows, std::size_t r, std::size_t c) {
    static const std::string empty;
    return r < rows.size() && c < rows[r].size() ? rows[r][c] : empty;
}

// One instalment a row: "1", or the marks of prepayment and totals rows.
bool one_per_row(const TableRows& rows) {
    for (std::size_t r = kFirstDataRow; r < rows.size(); ++r) {
        const std::string& in_row = cell(rows, r, col::kInRow);
        if (in_row != "1" && in_row != "内入" && in_row != "経過") return false;
    }
    return true;
}

// "内" in column 1, or a flag beginning with "U".
bool is_prepayment(const TableRows& rows, std::size_t r) {
    return cell(rows, r, col::kYears) == "内" || cell(rows, r, col::kFlag).starts_with("U");
}

bool is_totals(const TableRows& rows, std::size_t r) {
    return cell(rows, r, col::kFlag) == "K" || cell(rows, r, col::kYears) == "経";
}

// The table a check looks at: the monthly one, or the bonus one of a loan without it.
const TableRows& main_table(const TablesSnapshot& memory) {
    return holds_data(memory.monthly) ? memory.monthly : memory.bonus;
}

long month_of(const TableRows& rows, std::size_t r, const std::string& name) {
    try {
        return static_cast<long>(to_int(cell(rows, r, col::kMonth)));
    } catch (const ConversionError&) {
        throw FieldValueError(name + " " + std::to_string(r) + "行0列", cell(rows, r, col::kMonth));
    }
}

Money money_of(const TableRows& rows, std::size_t r, std::size_t c, const std::string& name) {
    try {
        return to_money(cell(rows, r, c));
    } catch (const ConversionError&) {
        throw FieldValueError(name + " " + std::to_string(r) + "行" + std::to_string(c) + "列",
                              cell(rows, r, c));
    }
}

}  // namespace

std::optional<std::string> missing_problem(const TablesSnapshot* memory, int k) {
    if (memory == nullptr || (!holds_data(memory->monthly) && !holds_data(memory->bonus))) {
        return std::string("記憶") + (k == 1 ? "１" : "５") + "に月次処理した" +
               (k == 1 ? "長期物" : "短期物") + "を設定して下さい";
    }
    return std::nullopt;
}

std::optional<std::string> layout_problem(const TablesSnapshot& memory, int k) {
    const std::string n = k == 1 ? "１" : "５";
    if (holds_data(memory.monthly)) {
        if (!one_per_row(memory.monthly)) {
            return "記憶" + n +
                   "に月次で処理(1期回数=1)"
                   "したものを設定して下さい。この設定では適切な処理ができません";
        }
    } else if (!one_per_row(memory.bonus)) {
        return "記憶" + n +
               "には(1期回数=1)で処理したものを設定して下さい。この設定では適切な処理ができません";
    }
    return std::nullopt;
}

std::optional<std::string> reversal_problem(const TablesSnapshot& long_loan,
                                            const TablesSnapshot& short_loan) {
    const TableRows& l = main_table(long_loan);
    const TableRows& s = main_table(short_loan);
    if (month_of(l, l.size() - 1, "記憶１") < month_of(s, s.size() - 1, "記憶５")) {
        return std::string(
            "記憶１には長期物を、記憶５には短期物を設定して下さい。設定が逆になっており適切な処理が"
            "できません");
    }
    return std::nullopt;
}

LastPayment last_payment(const TableRows& rows, const std::string& name) {
    if (!holds_data(rows)) return {};
    std::size_t r = rows.size() - 1;
    if (is_totals(rows, r) && r > kFirstDataRow) --r;
    // A prepayment that paid the loan off ends it: the instalment it frees is that of the
    // payment row before it, and what was asked beyond the balance is left over (negative),
    // named in the prepayment row's remark.
    std::size_t paid = r;
    while (is_prepayment(rows, paid) && paid > kFirstDataRow)
        --paid;
    const Money beyond =
        is_prepayment(rows, r) ? surplus_in_remark(cell(rows, r, col::kFlag)) : Money();
    return {month_of(rows, r, name), money_of(rows, paid, 6, name),
            money_of(rows, r, 12, name) - beyond};
}

}  // namespace rebanto::comparison
