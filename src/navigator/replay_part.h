#pragma once
// What a replay works with: the main window's fields of the part it rebuilds, and the cells
// of a control table read as numbers.
#include <string>

#include "base/errors.h"
#include "base/money.h"
#include "base/numtext.h"
#include "forms/tform1.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/replay_state.h"
#include "navigator/settings_row.h"

namespace rebanto {

// The fields of the main window that one part of the loan uses.
struct TForm4::ReplayPart {
    Edit& instalment;
    Edit& interest;
    Edit& remaining;
    Edit& prepaid;
    Edit& days;
    Edit& first_date;
    Button& principal_first;
    Button& day_panel;
    RadioButton& day_interest;
    Panel& panel;
    Grid& current;
    Money& navi_sa;
    long long& navi_tuki;
    std::string& hozon_first;
};

namespace navigator {

// The cells a row must hold as numbers before it is replayed; a row that does not is where
// the replay stops.
class RowReader {
public:
    RowReader(const Grid& table, bool bonus) : table_(table), bonus_(bonus) {}

    const std::string& text(int row, int col) const { return table_.cell(row, col); }
    bool bonus() const { return bonus_; }
    long double number(int row, int col) const {
        try {
            return to_extended(table_.cell(row, col));
        } catch (const ConversionError&) {
            throw ReplayCellError(table_, bonus_, row, col);
        }
    }
    // A whole number within the counts the engine takes.
    long long whole(int row, int col) const {
        try {
            return to_count(table_.cell(row, col));
        } catch (const ConversionError&) {
            throw ReplayCellError(table_, bonus_, row, col);
        }
    }
    // A number inside a flag; the flag's cell is named.
    long double number_in_flag(int row, const std::string& text) const {
        try {
            return to_extended(text);
        } catch (const ConversionError&) {
            throw ReplayCellError(table_, bonus_, row, kFlag);
        }
    }

private:
    const Grid& table_;
    bool bonus_;
};

// The correction by dates changes the first row's instalment only when that row is the
// first instalment alone; a row of several instalments carries the difference in its
// interest, and its instalment is the plain one.
inline bool first_instalment_corrected(const Grid& control) {
    return control.cell(kSettingsRow, 12) == "差額有" &&
           control.cell(kSettingsRow, 10).rfind("実行日", 0) == 0 &&
           control.cell(kFirstDataRow, 7) == "1";
}

}  // namespace navigator

}  // namespace rebanto
