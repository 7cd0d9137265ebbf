#pragma once
// What a replay changes, kept before it starts so that a replay stopped by a cell it cannot
// read puts everything back: a half-rebuilt current table is lost work.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/money.h"
#include "model/grid.h"

namespace rebanto {
class App;
class TForm4;
}  // namespace rebanto

namespace rebanto::navigator {

// A control-table cell that must hold a number where the replay reads it, and does not.
// The message names the table, the row and the column.
class ReplayCellError : public std::runtime_error {
public:
    ReplayCellError(const Grid& table, bool bonus, int row, int col);
    int row() const { return row_; }
    int col() const { return col_; }

private:
    int row_;
    int col_;
};

// The tables and memos are held as the grids lend them: a state taken before every replay
// copies no cell, and a table the replay rebuilds from its first rows is never copied.
struct ReplayState {
    SharedGridRows current_monthly, current_bonus, control_monthly, control_bonus;
    SharedMemoLines memo_monthly, memo_bonus;
    // Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin, as the batch start keeps them.
    std::array<std::string, 6> basic;
    std::string work_log;
    std::string loan_date, first_monthly, first_bonus;
    bool no_correction = false;
    bool month_counts = false;
    Money navi_sa_m, navi_sa_b;
    long long navi_tuki_m = 0, navi_tuki_b = 0;

    static ReplayState take(App& app, const TForm4& navigator);
    // The same into this one.
    void take_again(App& app, const TForm4& navigator);
    void restore(App& app, TForm4& navigator) const;
};

}  // namespace rebanto::navigator
