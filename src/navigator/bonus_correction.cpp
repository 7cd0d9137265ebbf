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

int TForm4::bonus_correction_pass(bool apply, bool tell_when_none) {
    if (!RadioButton1.enabled() || !RadioButton2.enabled()) return 0;
    Grid& monthly = StringGrid1;
    Grid& bonus = StringGrid2;
    const int interval = app_.main.bonus_interval();
    int handled = 0;
    int next_bonus_row = 3;
    // Resetting a boundary loads its own priority into the group; the rows corrected now get
    // the priority chosen when the pass began.
    const bool principal_first = CheckBox5.checked();
    RadioButton1.set_checked(true);
    for (int r = 3; r < monthly.row_count(); ++r) {
        if (special_row(monthly, r)) continue;
        const int k = nav::rows_back_to_plain(monthly, r);
        const std::string& rate_before = monthly.cell(r - k, nav::kRate);
        if (monthly.cell(r, nav::kRate) == rate_before) continue;
        const long long last_old_month = month_of(monthly, r - 1);

        RadioButton2.set_checked(true);
        for (int d = next_bonus_row; d < bonus.row_count(); ++d) {
            if (special_row(bonus, d)) continue;
            select_row(bonus, d);
            if (bonus.cell(d, nav::kFlag).rfind("S", 0) == 0 && open_boundary_group()) {
                Button22Click(Button22);
            }
            const int kd = nav::rows_back_to_plain(bonus, d);
            const std::string& bonus_before = bonus.cell(d - kd, nav::kRate);
            if (bonus.cell(d, nav::kRate) == bonus_before || bonus_before != rate_before) continue;
            const long long period_start = month_of(bonus, d - kd);
            if (apply) {
                // A change at the start of the bonus period leaves the whole period at the
                // new rate: nothing to weigh.
                if (last_old_month != period_start) {
                    if (!open_boundary_group()) continue;
                    RadioButton6.set_checked(true);
                    const long long months_before = last_old_month - period_start;
                    put(Edit15, general(static_cast<std::int64_t>(months_before)));
                    if (months_before < 0 || months_before > interval) {
                        app_.platform().message(kNoCorrelation);
                        close_boundary_group();
                        RadioButton1.set_checked(true);
                        return handled;
                    }
                    CheckBox5.set_checked(principal_first);
                    Button23Click(Button23);
                }
            } else if (open_boundary_group()) {
                Button22Click(Button22);
            }
            ++handled;
            next_bonus_row = d + 1;
            break;
        }
        RadioButton1.set_checked(true);
    }
    if (handled > 0) {
        RadioButton2.set_checked(true);
        replay(ReplayEnd::LastRow);
    }
    if (apply) {
        app_.main.PageControl1.set_active_page(app_.main.TabSheet7);
    } else if (handled == 0 && tell_when_none) {
        app_.platform().message("？？");
    }
    return handled;
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
