#include "schedule/schedule_output.h"

#include <nlohmann/json.hpp>

#include "base/cp932.h"
#include "base/csv_line.h"
#include "schedule/schedule_rows.h"

namespace rebanto::schedule {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kFirstDataRow = 2;
constexpr int kColumns = 14;

struct NamedPart {
    const char* name;
    const Rows* rows;
};

std::vector<NamedPart> parts_of(const Tables& tables, Part part) {
    std::vector<NamedPart> parts;
    if (part != Part::Bonus) parts.push_back({"monthly", &tables.monthly});
    if (part != Part::Monthly) parts.push_back({"bonus", &tables.bonus});
    return parts;
}

// The grids as they stand, a blank line between them.
std::string lender_style(const std::vector<NamedPart>& parts, const char* eol) {
    std::string out;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (p > 0) out += eol;
        for (const auto& row : *parts[p].rows)
            out += csv_line(row, '\t', CsvQuoting::AsGiven) + eol;
    }
    return out;
}

// Every period and prepayment row of both parts under one header; the totals are the sums
// of the columns, which a spreadsheet adds itself.
std::string delimited(const std::vector<NamedPart>& parts, bool equal_principal, char separator,
                      const char* eol) {
    std::vector<std::string> header = {"part", "kind"};
    for (const std::string& name : column_names(equal_principal))
        header.push_back(name);
    std::string out = csv_line(header, separator) + eol;
    for (const NamedPart& part : parts) {
        for (std::size_t r = kFirstDataRow; r < part.rows->size(); ++r) {
            const auto& row = (*part.rows)[r];
            const RowKind kind = kind_of(row);
            if (kind == RowKind::Totals) continue;
            std::vector<std::string> cells = {part.name, kind_name(kind)};
            for (int c = 0; c < kColumns; ++c) {
                const std::string cell = c < static_cast<int>(row.size()) ? row[c] : "";
                cells.push_back(is_numeric_column(c) ? number_in(cell).value_or("") : cell);
            }
            out += csv_line(cells, separator) + eol;
        }
    }
    return out;
}

Json number_or_null(const std::string& text) {
    const auto number = number_in(text);
    return number ? Json::parse(*number) : Json();
}

Json inputs_of(const Request& r) {
    Json prepayments = Json::array();
    for (const Prepayment& p : r.prepayments) {
        prepayments.push_back({{"month", p.month},
                               {"amount", number_or_null(p.amount)},
                               {"kind", p.shorten ? "shorten" : "lower"}});
    }
    return {{"principal", number_or_null(r.principal)},
            {"rate", number_or_null(r.rate)},
            {"years", number_or_null(r.years)},
            {"months", number_or_null(r.months)},
            {"bonus_share", number_or_null(r.bonus_share)},
            {"method", r.equal_principal ? "equal-principal" : "equal-instalment"},
            {"step", number_or_null(r.step)},
            {"rounding",
             {{"instalment", rounding_word(r.instalment_rounding)},
              {"interest", rounding_word(r.interest_rounding)}}},
            {"unit", r.accrual_unit},
            {"prepayments", prepayments}};
}

Json part_summary(const PartSummary& s) {
    return {{"instalment", number_or_null(s.instalment)},
            {"interest", number_or_null(s.interest)},
            {"principal", number_or_null(s.principal)},
            {"paid", number_or_null(s.paid)},
            {"payments", s.payments},
            {"months", number_or_null(s.months)},
            {"last_month", number_or_null(s.last_month)}};
}

// A sum of the parts' totals, exact as the parts print them.
Json sum_of(const Json& a, const Json& b) {
    if (a.is_null()) return b;
    if (b.is_null()) return a;
    if (a.is_number_integer() && b.is_number_integer())
        return a.get<long long>() + b.get<long long>();
    return a.get<double>() + b.get<double>();
}

Json rows_of(const Rows& rows, bool equal_principal) {
    const std::vector<std::string> names = column_names(equal_principal);
    Json out = Json::array();
    for (std::size_t r = kFirstDataRow; r < rows.size(); ++r) {
        const RowKind kind = kind_of(rows[r]);
        if (kind == RowKind::Totals) continue;
        Json row = {{"kind", kind_name(kind)}};
        for (int c = 0; c < kColumns; ++c) {
            const std::string cell = c < static_cast<int>(rows[r].size()) ? rows[r][c] : "";
            row[names[c]] = is_numeric_column(c) ? number_or_null(cell) : Json(cell);
        }
        out.push_back(std::move(row));
    }
    return out;
}

std::string json_of(const Tables& tables, const Request& r) {
    const auto parts = parts_of(tables, r.part);
    Json summary = Json::object();
    Json interest, principal, paid;
    for (const NamedPart& part : parts) {
        const PartSummary s = summary_of(*part.rows);
        Json one = part_summary(s);
        interest = sum_of(interest, one["interest"]);
        principal = sum_of(principal, one["principal"]);
        paid = sum_of(paid, one["paid"]);
        summary[part.name] = std::move(one);
    }
    summary["interest"] = interest;
    summary["principal"] = principal;
    summary["paid"] = paid;
    Json out = {{"inputs", inputs_of(r)}, {"summary", summary}};
    for (const NamedPart& part : parts)
        out[part.name] = rows_of(*part.rows, r.equal_principal);
    return out.dump(2) + "\n";
}

}  // namespace

std::string render(const Tables& tables, const Request& request) {
    // Spreadsheets that want code page 932 want CR LF line ends too.
    const char* eol = request.encoding == Encoding::Cp932 ? "\r\n" : "\n";
    const auto parts = parts_of(tables, request.part);
    std::string out;
    switch (request.format) {
        case Format::Json:
            return json_of(tables, request);  // UTF-8 always
        case Format::Table:
            out = lender_style(parts, eol);
            break;
        case Format::Csv:
            out = delimited(parts, request.equal_principal, ',', eol);
            break;
        case Format::Tsv:
            out = delimited(parts, request.equal_principal, '\t', eol);
            break;
    }
    return request.encoding == Encoding::Cp932 ? utf8_to_cp932(out) : out;
}

}  // namespace rebanto::schedule
