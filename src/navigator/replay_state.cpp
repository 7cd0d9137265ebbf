#include "navigator/replay_state.h"

#include "forms/app.h"
#include "forms/tform4.h"

namespace rebanto::navigator {

namespace {

std::string describe(const Grid& table, bool bonus, int row, int col) {
    const std::string& heading = table.cell(0, col);
    // The month (column 0) is how the user finds the row again; the grid row, how a count
    // of lines does.
    const std::string& month = table.cell(row, 0);
    return std::string("再計算を中断しました：") + (bonus ? "ﾎﾞｰﾅｽ" : "月") + "制御表の" +
           std::to_string(row) + "行目" + (month.empty() ? "" : "（月回 " + month + "）") +
           (heading.empty() ? "" : "「" + heading + "」") + "の「" + table.cell(row, col) +
           "」は数値として読めません";
}

}  // namespace

ReplayCellError::ReplayCellError(const Grid& table, bool bonus, int row, int col)
    : std::runtime_error(describe(table, bonus, row, col)), row_(row), col_(col) {}

ReplayState ReplayState::take(App& app, const TForm4& navigator) {
    ReplayState s;
    s.take_again(app, navigator);
    return s;
}

void ReplayState::take_again(App& app, const TForm4& navigator) {
    const TForm1& main = app.main;
    ReplayState& s = *this;
    s.current_monthly = app.cur.StGr1.shared_rows();
    s.current_bonus = app.cur.StGr2.shared_rows();
    s.control_monthly = navigator.StringGrid1.shared_rows();
    s.control_bonus = navigator.StringGrid2.shared_rows();
    s.memo_monthly = main.RichEdit1.shared_lines();
    s.memo_bonus = main.RichEdit2.shared_lines();
    s.basic = {main.Ed0_nen.text(), main.Ed0_tuki.text(), main.Ed0_wari.text(),
               main.Edit13.text(),  main.Ed0_moto.text(), main.Ed0_kin.text()};
    s.work_log = main.Ed555.text();
    s.loan_date = main.MsEd8_yusi.text();
    s.first_monthly = main.MsEd8_mon.text();
    s.first_bonus = main.MsEd8_bon.text();
    s.no_correction = main.CheckBox2.checked();
    s.month_counts = navigator.CheckBox4.checked();
    s.navi_sa_m = navigator.navi_sa_m;
    s.navi_sa_b = navigator.navi_sa_b;
    s.navi_tuki_m = navigator.navi_tuki_m;
    s.navi_tuki_b = navigator.navi_tuki_b;
}

void ReplayState::restore(App& app, TForm4& navigator) const {
    TForm1& main = app.main;
    main.Ed0_moto.set_tag(0);
    main.Ed1_mm5.set_tag(0);
    main.MsEd8_yusi.set_text(loan_date);
    main.MsEd8_mon.set_text(first_monthly);
    main.MsEd8_bon.set_text(first_bonus);
    main.CheckBox2.set_checked(no_correction);
    main.BatchSettingsMemory = basic;
    main.end_ikkazu();
    app.cur.StGr1.share_rows(current_monthly);
    app.cur.StGr2.share_rows(current_bonus);
    navigator.StringGrid1.share_rows(control_monthly);
    navigator.StringGrid2.share_rows(control_bonus);
    main.RichEdit1.share_lines(memo_monthly);
    main.RichEdit2.share_lines(memo_bonus);
    main.Ed555.set_text(work_log);
    navigator.show_month_counts(month_counts);
    navigator.navi_sa_m = navi_sa_m;
    navigator.navi_sa_b = navi_sa_b;
    navigator.navi_tuki_m = navi_tuki_m;
    navigator.navi_tuki_b = navi_tuki_b;
}

}  // namespace rebanto::navigator
