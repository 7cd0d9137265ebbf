#include "io/numeric_table.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "core/cell_values.h"

namespace rebanto::numeric {

namespace {

// Which grid column goes into the table, as what, and under which name when not the
// grid's own header. kPaidInPeriod is no grid column: it is what the row paid.
struct Source {
    int col;
    Kind kind;
    const char* name = nullptr;
};

constexpr int kPaidInPeriod = -1;
constexpr const char* kPaidInPeriodName = "返済額小計";

// The grids keep the instalment of one payment; a step of several payments, a prepayment
// and the totals paid are the interest and principal subtotals together, so that the
// column adds up to the totals row.
struct PaidParts {
    int interest;
    int principal;
};

// The header cell without the spaces and brackets that line it up in the grid:
// "均等返済額 " is "均等返済額", "(通算回目" is "通算回目".
std::string column_name(const std::string& header) {
    std::string name;
    for (std::size_t i = 0; i < header.size();) {
        bool dropped = false;
        for (std::string_view drop : {" ", "　", "(", ")", "（", "）"}) {
            if (header.compare(i, drop.size(), drop) == 0) {
                i += drop.size();
                dropped = true;
                break;
            }
        }
        if (!dropped) name += header[i++];
    }
    return name;
}

// Plain decimal text ("-123", "4.5") is written as it stands; any other number the grids
// accept (" 12", "1E3") in the shortest decimal form.
bool plain_decimal(const std::string& text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits) return false;
    if (i == text.size()) return true;
    if (text[i] != '.') return false;
    const std::size_t fraction = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    return i == text.size() && i > fraction;
}

const char* kind_of_row(const std::string& remark) {
    if (remark == "K") return kTotalsRow;
    if (remark.starts_with("U")) return kPrepaymentRow;
    return kPeriodRow;
}

// A number column of a period row must hold a number (an edited cell that does not stops
// the export, naming the cell); in prepayment and totals rows the markers there are no
// numbers and stay out.
Cell cell_of(const Grid& table, int row, const Source& source, bool strict) {
    const std::string& text = table.cell(row, source.col);
    if (source.kind == Kind::Text || text.empty()) return Cell{text};
    long double value = 0;
    if (strict) {
        value = amount_in(table, row, source.col);
    } else {
        try {
            value = to_extended(text);
        } catch (const ConversionError&) {
            return Cell{};
        }
    }
    return Cell{plain_decimal(text) ? text : general(value), true, value};
}

Cell paid_in_period(const Grid& table, int row, PaidParts parts, bool strict) {
    const Cell interest = cell_of(table, row, {parts.interest, Kind::Yen}, strict);
    const Cell principal = cell_of(table, row, {parts.principal, Kind::Yen}, strict);
    if (!interest.number || !principal.number) return Cell{};
    const long double paid = interest.value + principal.value;
    return Cell{general(paid), true, paid};
}

Table build(const Grid& table, int first_row, int remark_col, const std::vector<Source>& sources,
            PaidParts parts, const std::string& name) {
    Table out;
    out.name = name;
    out.columns.push_back({kKindColumn, Kind::Text});
    for (const Source& s : sources) {
        const std::string column = s.col == kPaidInPeriod ? kPaidInPeriodName
                                   : s.name != nullptr    ? s.name
                                                          : column_name(table.cell(0, s.col));
        out.columns.push_back({column, s.kind});
    }
    for (int r = first_row; r < table.row_count(); ++r) {
        const char* kind = kind_of_row(table.cell(r, remark_col));
        const bool strict = kind == kPeriodRow;
        std::vector<Cell> row{Cell{kind}};
        for (const Source& s : sources) {
            row.push_back(s.col == kPaidInPeriod ? paid_in_period(table, r, parts, strict)
                                                 : cell_of(table, r, s, strict));
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

}  // namespace

Table current_table(const Grid& table, const std::string& name) {
    const std::vector<Source> sources{{0, Kind::Count},
                                      {1, Kind::Count},
                                      {2, Kind::Count},
                                      {3, Kind::Yen},
                                      {4, Kind::Rate},
                                      {5, Kind::Count},
                                      {6, Kind::Yen},
                                      {7, Kind::Count},
                                      {8, Kind::Yen},
                                      {9, Kind::Count},
                                      {10, Kind::Yen},
                                      {11, Kind::Yen},
                                      {kPaidInPeriod, Kind::Yen},
                                      {12, Kind::Yen},
                                      {13, Kind::Text, "備考"}};
    return build(table, 2, 13, sources, {10, 11}, name);
}

Table composite_table(const Grid& table, int components, bool bonus, const std::string& name) {
    // Columns 4, 5, 7 and 9 hold each loan's text behind its label ("①2.325"): texts.
    std::vector<Source> sources{{0, Kind::Count},
                                {1, Kind::Count},
                                {2, Kind::Count},
                                {3, Kind::Yen},
                                {4, Kind::Text},
                                {5, Kind::Text},
                                {6, Kind::Yen},
                                {7, Kind::Text},
                                {8, Kind::Yen},
                                {9, Kind::Text},
                                {10, Kind::Yen},
                                {11, Kind::Yen},
                                {kPaidInPeriod, Kind::Yen},
                                {12, Kind::Yen},
                                {13, Kind::Text, "備考"},
                                {14, Kind::Count, "元の月回"},
                                {15, Kind::Count, "元の年"},
                                {16, Kind::Count, "元の月"},
                                {17, Kind::Yen}};
    if (!bonus) {
        for (int c : {18, 19, 20})
            sources.push_back({c, Kind::Yen});
    }
    return build(table, components + 1, 13, sources, {10, 11}, name);
}

Table comparison_table(const Grid& table, int titles, const std::string& name) {
    const std::vector<Source> sources{{0, Kind::Count},
                                      {1, Kind::Count},
                                      {2, Kind::Count},
                                      {3, Kind::Yen},
                                      {4, Kind::Yen},
                                      {5, Kind::Yen},
                                      {kPaidInPeriod, Kind::Yen},
                                      {6, Kind::Text, "備考"},
                                      {8, Kind::Yen},
                                      {9, Kind::Yen},
                                      {10, Kind::Yen},
                                      {11, Kind::Yen}};
    return build(table, titles + 1, 6, sources, {4, 5}, name);
}

}  // namespace rebanto::numeric
