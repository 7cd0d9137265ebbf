// The automatic bonus correction: where the monthly rate changes in a month that is not a
// bonus month, the bonus row whose period holds the change gets the rate weighted by the
// months before and after it ("月割配分方式"); the cancel pass puts those rows back.
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kNoCorrelation =
    "月々とボーナスの金利変更時に標準的な相関性が無いようです。その時点以降の処理を中断いたします";

bool special_row(const Grid& grid, int row) {
    return nav::is_prepayment_row(grid, row) || nav::is_totals_row(grid, row);
}

long long month_of(const Grid& grid, int row) {
    try {
        return to_int(grid.cell(row, nav::kMonth));
    } catch (const ConversionError&) {
        throw FieldValueError(grid.name() + " " + std::to_string(row) + "行0列",
                              grid.cell(row, nav::kMonth));
    }
}

}  // namespace

// A pass over the monthly table's rate changes, and how far it has come.
struct TForm4::BonusCorrection {
    bool apply = true;
    int interval = 6;
    // Resetting a boundary loads its own priority into the group; the rows corrected now
    // get the priority chosen when the pass began.
    bool principal_first = false;
    int handled = 0;
    int next_bonus_row = 3;
    // The months before a change did not fit the bonus interval: nothing more is done.
    bool stopped = false;
};

int TForm4::bonus_correction_pass(bool apply, bool tell_when_none) {
    if (!RadioButton1.enabled() || !RadioButton2.enabled()) return 0;
    Grid& monthly = StringGrid1;
    BonusCorrection pass{apply, app_.main.bonus_interval(), CheckBox5.checked()};
    RadioButton1.set_checked(true);
    for (int r = 3; r < monthly.row_count(); ++r) {
        if (special_row(monthly, r)) continue;
        const int k = nav::rows_back_to_plain(monthly, r);
        const std::string& rate_before = monthly.cell(r - k, nav::kRate);
        if (monthly.cell(r, nav::kRate) == rate_before) continue;
        correct_bonus_period(pass, rate_before, month_of(monthly, r - 1));
        if (pass.stopped) return pass.handled;
        RadioButton1.set_checked(true);
    }
    if (pass.handled > 0) {
        RadioButton2.set_checked(true);
        replay(ReplayEnd::LastRow);
    }
    if (apply) {
        app_.main.PageControl1.set_active_page(app_.main.TabSheet7);
    } else if (pass.handled == 0 && tell_when_none) {
        app_.platform().message("？？");
    }
    return pass.handled;
}

// The first bonus row from where the pass stands whose rate changes from the monthly
// table's old rate: weighed (apply) or put back (cancel).
void TForm4::correct_bonus_period(BonusCorrection& pass, const std::string& rate_before,
                                  long long last_old_month) {
    Grid& bonus = StringGrid2;
    RadioButton2.set_checked(true);
    for (int d = pass.next_bonus_row; d < bonus.row_count(); ++d) {
        if (special_row(bonus, d)) continue;
        select_row(bonus, d);
        if (bonus.cell(d, nav::kFlag).rfind('S', 0) == 0 && open_boundary_group()) {
            Button22Click(Button22);
        }
        const int kd = nav::rows_back_to_plain(bonus, d);
        const std::string& bonus_before = bonus.cell(d - kd, nav::kRate);
        if (bonus.cell(d, nav::kRate) == bonus_before || bonus_before != rate_before) continue;
        const long long period_start = month_of(bonus, d - kd);
        if (pass.apply) {
            // A change at the start of the bonus period leaves the whole period at the
            // new rate: nothing to weigh.
            if (last_old_month != period_start) {
                if (!weigh_bonus_row(pass, last_old_month - period_start)) continue;
                if (pass.stopped) return;
            }
        } else if (open_boundary_group()) {
            Button22Click(Button22);
        }
        ++pass.handled;
        pass.next_bonus_row = d + 1;
        return;
    }
}

// The selected bonus row given the rate weighted by the months before the change ("月割
// 配分方式"). False when its boundary group does not open.
bool TForm4::weigh_bonus_row(BonusCorrection& pass, long long months_before) {
    if (!open_boundary_group()) return false;
    RadioButton6.set_checked(true);
    put(Edit15, general(static_cast<std::int64_t>(months_before)));
    if (months_before < 0 || months_before > pass.interval) {
        app_.platform().message(kNoCorrelation);
        close_boundary_group();
        RadioButton1.set_checked(true);
        pass.stopped = true;
        return true;
    }
    CheckBox5.set_checked(pass.principal_first);
    Button23Click(Button23);
    return true;
}

void TForm4::Button26Click(Control&) {
    bonus_correction_pass(true);
}

void TForm4::Button27Click(Control&) {
    bonus_correction_pass(false);
}

// The bonus-correction dialog, whose "一括補正ＧＯ" runs the two passes.
void TForm4::Button28Click(Control&) {
    app_.bonus_correction.show();
}

}  // namespace rebanto
