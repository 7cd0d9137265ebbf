#include "io/composite_print.h"

#include <algorithm>
#include <optional>

#include "base/errors.h"
#include "base/format.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "tables/composite_rows.h"

namespace rebanto {

namespace {

namespace col = schedule_col;

constexpr std::array<int, 10> kAmountColumns{3, 6, 8, 10, 11, 12, 17, 18, 19, 20};

struct Cell {
    std::string text;
    bool right = false;  // numbers are right-aligned
};
using Cells = std::vector<Cell>;

std::optional<Money> money_of(const std::string& text) {
    try {
        return to_money(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    } catch (const MoneyOverflow&) {
        return std::nullopt;
    }
}

// "%m" of the cell, or the cell as it stands when it holds no amount.
std::string money_or_text(const std::string& text) {
    const auto value = money_of(text);
    return value ? format_money(*value) : text;
}

Cell fixed_or_text(const std::string& text, int width) {
    try {
        return {format_fixed(to_extended(text), width, 0), true};
    } catch (const ConversionError&) {
        return {text, false};
    }
}

Cells plain_cells(const Grid& table, int r, int columns) {
    Cells cells;
    for (int c = 0; c < columns; ++c)
        cells.push_back({table.cell(r, c), false});
    return cells;
}

bool ordinary(const std::string& flags) {
    return flags.empty() || flags[0] == 'D' || flags[0] == 'S';
}

Cells data_cells(const Grid& table, int r, int columns) {
    Cells cells = plain_cells(table, r, columns);
    cells[col::kMonth] = fixed_or_text(table.cell(r, col::kMonth), 4);
    cells[col::kYears] = fixed_or_text(table.cell(r, col::kYears), 3);
    for (int c : kAmountColumns) {
        if (c >= columns) continue;
        const auto value = money_of(table.cell(r, c));
        if (value) cells[c] = {format_money(*value, 13), true};
    }
    if (ordinary(table.cell(r, col::kFlag))) {
        cells[col::kRate].text += "%";
        cells[col::kRemaining].text += "回払";
    }
    return cells;
}

std::string totals_sentence(const Grid& table, int r) {
    const auto m = [&](int c) { return money_or_text(table.cell(r, c)); };
    return "        " + table.cell(r, col::kInRow) + "　ここまでの支払利息合計は" +
           m(col::kInterest) + " 　元入額合計は" + m(col::kRepaid) + " で月々返済額合計は" +
           m(col::kInstalment) + " 。さらに元金残" + m(col::kNewPrincipal) +
           " 返済で完済［総返済額＝" + m(col::kPrincipal) + " ］";
}

std::string laid_out(const Cells& cells, const std::vector<int>& widths) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const int pad = widths[c] - display_width(cells[c].text);
        if (c > 0) line += ' ';
        if (cells[c].right) line.append(std::max(pad, 0), ' ');
        line += cells[c].text;
        if (!cells[c].right) line.append(std::max(pad, 0), ' ');
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

}  // namespace

int display_width(const std::string& utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        bool narrow = b < 0x80;
        if (length == 3 && i + 2 < utf8.size()) {
            // U+FF61..U+FF9F, the half-width katakana: EF BD A1..EF BE 9F.
            const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
            const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
            narrow = b == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F));
        }
        width += narrow ? 1 : 2;
        i += length;
    }
    return width;
}

void composite_print_lines(const Grid& table, int components, bool bonus,
                           const std::string& title_line, std::vector<std::string>& out) {
    const int columns = bonus ? composite::kBonusColumns : composite::kMonthlyColumns;
    const int last_head = std::min(components, table.row_count() - 1);
    std::vector<Cells> rows;  // the header, the head rows, then the data rows
    rows.push_back(plain_cells(table, 0, columns));
    for (int r = 1; r <= last_head; ++r)
        rows.push_back(plain_cells(table, r, columns));
    for (int r = components + 1; r < table.row_count(); ++r)
        rows.push_back(data_cells(table, r, columns));
    std::vector<int> widths(columns, 0);
    for (const Cells& cells : rows) {
        for (int c = 0; c < columns; ++c)
            widths[c] = std::max(widths[c], display_width(cells[c].text));
    }

    out.push_back(title_line);
    out.emplace_back();
    for (int r = 1; r <= last_head; ++r)
        out.push_back(laid_out(rows[r], widths));
    out.emplace_back();
    const std::string header = laid_out(rows[0], widths);
    out.push_back(header);
    for (int r = components + 1, i = last_head + 1; r < table.row_count(); ++r, ++i) {
        out.push_back(laid_out(rows[i], widths));
        if (table.cell(r, col::kFlag) == "K") out.push_back(totals_sentence(table, r));
    }
    out.push_back(header);
}

}  // namespace rebanto
