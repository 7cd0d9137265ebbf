#include "schedule/schedule_rows.h"

#include <regex>

#include "base/errors.h"
#include "base/numtext.h"

namespace rebanto::schedule {

namespace {

constexpr int kFirstDataRow = 2;
constexpr int kRemark = 13;

}  // namespace

std::optional<std::string> number_in(const std::string& cell) {
    static const std::regex plain(R"(-?([0-9]+(\.[0-9]+)?|\.[0-9]+))");
    if (!std::regex_match(cell, plain)) return std::nullopt;
    std::string text = cell;
    const std::size_t dot = text.find('.');
    if (dot == 0 || (dot == 1 && text[0] == '-')) text.insert(dot, "0");
    return text;
}

std::vector<std::string> column_names(bool equal_principal) {
    return {"month",
            "year",
            "month_of_year",
            "principal",
            "rate",
            "remaining_payments",
            equal_principal ? "principal_instalment" : "instalment",
            "payment_number",
            equal_principal ? "last_payment" : "last_interest",
            "payments",
            "interest",
            "principal_repaid",
            "balance",
            "remark"};
}

bool is_numeric_column(int col) {
    return col != kRemark;
}

RowKind kind_of(const std::vector<std::string>& row) {
    const std::string mark = row.size() > 1 ? row[1] : "";
    if (mark == "内") return RowKind::Prepayment;
    if (mark == "経") return RowKind::Totals;
    return RowKind::Period;
}

const char* kind_name(RowKind kind) {
    switch (kind) {
        case RowKind::Prepayment:
            return "prepayment";
        case RowKind::Totals:
            return "totals";
        default:
            return "period";
    }
}

PartSummary summary_of(const Rows& table) {
    PartSummary s;
    for (std::size_t r = kFirstDataRow; r < table.size(); ++r) {
        const auto& row = table[r];
        if (row.size() <= 12) continue;
        switch (kind_of(row)) {
            case RowKind::Period:
                if (!s.present) s.instalment = row[6];
                s.present = true;
                s.last_month = row[0];
                try {
                    s.payments += to_int(row[9]);
                } catch (const ConversionError&) {
                }
                break;
            case RowKind::Totals:
                s.interest = row[10];
                s.principal = row[11];
                s.paid = row[6];
                s.months = row[0];
                break;
            case RowKind::Prepayment:
                break;
        }
    }
    return s;
}

}  // namespace rebanto::schedule
