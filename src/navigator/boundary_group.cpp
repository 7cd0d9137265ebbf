// The rate change inside a period ("境目"): the group that describes it on a row, and the
// converted rate of the period, a weighted average of the rates before and after the change.
#include "base/date.h"
#include "base/field_at.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/boundary.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kSettled = "=精算総額";
constexpr int kMaxDigits = 13;

bool has_boundary_flag(const Grid& grid, int row) {
    return grid.cell(row, nav::kFlag).rfind('S', 0) == 0;
}

// A row's rate, or the converted rate's companion, the row's own rate, when it carries one.
std::string rate_of(const Grid& grid, int row) {
    if (has_boundary_flag(grid, row)) return field_at(grid.cell(row, nav::kFlag), 2);
    return grid.cell(row, nav::kRate);
}

}  // namespace

void TForm4::wire_boundary_group() {
    GroupBox1.hide();
    GroupBox1.set_hint(
        "金利変更の境目で、相当する金利を期間の加重平均で算定する為の詳細設定出来ます");
    for (Control* c : std::initializer_list<Control*>{
             &Label22, &Label23,  &Label12,   &Label13, &RadioButton5, &RadioButton6, &Edit15,
             &UpDown2, &Edit16,   &Label14,   &Label15, &MsE1,         &MsE2,         &MsE3,
             &Label16, &Label17,  &Label18,   &Edit12,  &Edit13,       &Edit14,       &Label19,
             &Label20, &Label21,  &Label24,   &Edit17,  &Label25,      &Edit9,        &Label28,
             &Label26, &motomoto, &CheckBox5, &keisan,  &Button23,     &Button22,     &Button25}) {
        c->set_parent(&GroupBox1);
    }
    RadioButton5.set_checked(true);
    keisan.hide();
    Label26.hide();
    motomoto.hide();
    CheckBox5.set_checked(true);
    Edit9.set_hint("％表記で、小数点以下の桁数を指定。０～１３迄の整数");
    UpDown2.set_range(0, 6);
    MsE1.set_read_only(true);
    MsE3.set_read_only(true);
    Edit16.set_read_only(true);
    for (Edit* date : {&MsE1, &MsE2, &MsE3}) {
        date->on_change = guard(&TForm4::boundary_date_change);
        date->on_dbl_click = guard(&TForm4::boundary_date_dbl_click);
        date->on_right_click = guard(&TForm4::boundary_date_right_click);
    }
    Button21.on_click = guard(&TForm4::Button21Click);
    Button23.on_click = guard(&TForm4::Button23Click);
    Button22.on_click = guard(&TForm4::Button22Click);
    Button25.on_click = guard(&TForm4::Button25Click);
    Button22.on_mouse_over = [this](Control&) {
        Label26.show();
        motomoto.show();
    };
    keisan.on_click = guard(&TForm4::keisanClick);
    for (Edit* input : {&Edit15, &Edit12, &Edit13, &Edit14, &Edit9})
        input->on_change = guard(&TForm4::keisanClick);
    RadioButton5.on_click = guard(&TForm4::AllocationClick);
    RadioButton6.on_click = guard(&TForm4::AllocationClick);
    UpDown2.on_change = guard(&TForm4::UpDown2Change);
    Label28.on_click = guard(&TForm4::Label28Click);
    Label28.on_right_click = guard(&TForm4::Label28RightClick);
    Label25.on_click = guard(&TForm4::Label25Click);
    Label25.on_right_click = guard(&TForm4::Label25RightClick);
}

void TForm4::Button21Click(Control&) {
    open_boundary_group();
}

// "境目設定": the group opened for the selected row, loaded from its flag or proposed anew.
// False when the row has no rate before it or is followed by a settled total.
bool TForm4::open_boundary_group() {
    Grid& grid = table();
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow) return false;
    BoundaryRow = s;
    BoundaryInBonus = bonus_chosen();
    BoundaryKeptFlag = grid.cell(s, nav::kFlag);
    BoundaryBack = nav::rows_back_to_plain(grid, s);
    BoundaryForward = nav::rows_forward_to_plain(grid, s);
    if (grid.cell(s - BoundaryBack, nav::kRate).empty() ||
        grid.cell(s + BoundaryForward, nav::kRate) == kSettled)
        return false;
    mark_table_edited();
    const bool bonus = BoundaryInBonus;
    const int interval = app_.main.bonus_interval();
    converted_rate_busy_ = true;
    RadioButton6.set_enabled(bonus);
    (bonus ? RadioButton6 : RadioButton5).set_checked(true);
    GroupBox1.show();
    Label22.set_caption(rate_of(grid, s - BoundaryBack) + "％");
    Label23.set_caption(rate_of(grid, s) + "％");
    if (bonus) UpDown2.set_range(0, interval);

    if (has_boundary_flag(grid, s)) {
        const nav::BoundaryFlag flag = nav::parse_boundary_flag(grid.cell(s, nav::kFlag));
        CheckBox5.set_checked(flag.principal_first);
        if (bonus) (flag.by_months ? RadioButton6 : RadioButton5).set_checked(true);
        motomoto.set_text(flag.restore_rate);
        Edit15.set_text(flag.months_before);
        Edit16.set_text(flag.months_after);
        MsE1.set_text(flag.period_start);
        MsE2.set_text(flag.change_date);
        MsE3.set_text(flag.period_end);
        Edit17.set_text(flag.converted_rate);
        converted_rate_busy_ = false;
        enable_allocation_fields();
        return true;
    }
    motomoto.set_text(grid.cell(s, nav::kRate));
    const TForm1& main = app_.main;
    const nav::BoundaryDates dates = nav::proposed_boundary_dates(
        to_count(grid.cell(s, nav::kEndCount)), main.MsEd8_yusi.text(),
        (bonus ? main.MsEd8_bon : main.MsEd8_mon).text(), bonus, interval);
    converted_rate_busy_ = false;
    MsE1.set_text(dates.start);
    MsE2.set_text(dates.start);
    MsE3.set_text(dates.end);
    enable_allocation_fields();
    recompute_converted_rate();
    // The proposal is written at once, keeping the principal part.
    nav::BoundaryFlag proposal = nav::parse_boundary_flag(boundary_flag_from_group());
    proposal.principal_first = true;
    grid.set_cell(s, nav::kFlag, nav::boundary_flag_text(proposal));
    return true;
}

std::string TForm4::boundary_flag_from_group() const {
    nav::BoundaryFlag flag;
    flag.principal_first = CheckBox5.checked();
    flag.by_months = RadioButton6.checked();
    flag.converted_rate = Edit17.text();
    flag.restore_rate = motomoto.text();
    flag.months_before = Edit15.text();
    flag.months_after = Edit16.text();
    flag.period_start = MsE1.text();
    flag.change_date = MsE2.text();
    flag.period_end = MsE3.text();
    return nav::boundary_flag_text(flag);
}

Grid& TForm4::boundary_table() {
    return BoundaryInBonus ? StringGrid2 : StringGrid1;
}

void TForm4::close_boundary_group() {
    GroupBox1.hide();
    Label26.hide();
    motomoto.hide();
}

// "適用終了"
void TForm4::Button23Click(Control&) {
    close_boundary_group();
    if (BoundaryRow < nav::kFirstDataRow) return;
    boundary_table().set_cell(BoundaryRow, nav::kFlag, boundary_flag_from_group());
}

// "取消・復元": the row's own rate back, and a flag that returns it to normal interest once.
void TForm4::Button22Click(Control&) {
    close_boundary_group();
    if (BoundaryRow < nav::kFirstDataRow) return;
    Grid& grid = boundary_table();
    std::string restore = has_boundary_flag(grid, BoundaryRow)
                              ? field_at(grid.cell(BoundaryRow, nav::kFlag), 2)
                              : std::string();
    // A row without a rate of its own to go back to keeps the one it shows.
    if (restore.empty()) restore = motomoto.text();
    if (!restore.empty()) grid.set_cell(BoundaryRow, nav::kRate, restore);
    grid.set_cell(BoundaryRow, nav::kFlag, std::string("X") + (CheckBox5.checked() ? "o" : "x"));
}

// "閉": the flag the row had when the group was opened.
void TForm4::Button25Click(Control&) {
    close_boundary_group();
    if (BoundaryRow < nav::kFirstDataRow) return;
    boundary_table().set_cell(BoundaryRow, nav::kFlag, BoundaryKeptFlag);
}

void TForm4::keisanClick(Control&) {
    recompute_converted_rate();
}

// The converted rate of the period, cut to the digits asked for.
void TForm4::recompute_converted_rate() {
    if (converted_rate_busy_ || BoundaryRow < nav::kFirstDataRow) return;
    Grid& grid = boundary_table();
    const long double before = to_extended(rate_of(grid, BoundaryRow - BoundaryBack));
    const long double after = to_extended(rate_of(grid, BoundaryRow));
    long double rate = 0;
    if (RadioButton6.checked()) {
        const long double months = UpDown2.max();
        const long double m = num(Edit15);
        converted_rate_busy_ = true;
        put(Edit16, months - m);
        converted_rate_busy_ = false;
        rate = nav::converted_rate_by_months(before, after, m, months);
    } else {
        rate = nav::converted_rate_by_days(before, after, num(Edit12), num(Edit13), num(Edit14));
    }
    const int digits = count(Edit9, 0);
    put(Edit17, nav::cut_to_digits(rate, std::min(digits, kMaxDigits)));
}

void TForm4::enable_allocation_fields() {
    const bool by_months = RadioButton6.checked();
    for (Control* c : std::initializer_list<Control*>{&MsE1, &MsE2, &MsE3})
        c->set_enabled(!by_months);
    for (Control* c : std::initializer_list<Control*>{&Edit15, &Edit16, &UpDown2})
        c->set_enabled(by_months);
}

void TForm4::AllocationClick(Control&) {
    enable_allocation_fields();
    recompute_converted_rate();
}

void TForm4::UpDown2Change(Control&) {
    put(Edit15, UpDown2.position());
}

// "桁": one decimal more, at most 13; a right click one fewer, not below 0.
void TForm4::Label28Click(Control&) {
    put(Edit9, std::min(count(Edit9, 0) + 1, kMaxDigits));
}

void TForm4::Label28RightClick(Control&) {
    const int digits = count(Edit9, 0);
    if (digits > 0) put(Edit9, std::min(digits - 1, kMaxDigits));
}

// "％": the converted rate moved by one unit of its last decimal (1/10^d); a right click
// moves it back while it stays above that unit.
void TForm4::Label25Click(Control&) {
    const int digits = std::min(count(Edit9, 0), kMaxDigits);
    put(Edit17, num(Edit17) + to_extended("1e-" + std::to_string(digits)));
}

void TForm4::Label25RightClick(Control&) {
    const int digits = std::min(count(Edit9, 0), kMaxDigits);
    const long double unit = to_extended("1e-" + std::to_string(digits));
    if (num(Edit17) <= unit) return;
    put(Edit17, num(Edit17) - unit);
}

// A date of the period changed: normalised, the day counts, then the rate.
void TForm4::boundary_date_change(Control& sender) {
    const std::string normal = date_seiki(sender.text());
    if (normal != sender.text()) {
        sender.set_text(normal);  // comes back here with the normalised text
        return;
    }
    const auto days = [](const Edit& from, const Edit& to) {
        return days_between(parse_short_date(date_seiki(from.text())),
                            parse_short_date(date_seiki(to.text())));
    };
    converted_rate_busy_ = true;
    try {
        put(Edit12, static_cast<int>(days(MsE1, MsE2)));
        put(Edit13, static_cast<int>(days(MsE2, MsE3)));
        put(Edit14, static_cast<int>(days(MsE1, MsE3)));
    } catch (...) {
        converted_rate_busy_ = false;
        throw;
    }
    converted_rate_busy_ = false;
    recompute_converted_rate();
}

void TForm4::boundary_date_dbl_click(Control& sender) {
    app_.main.date_field_dbl_click(sender);
}

void TForm4::boundary_date_right_click(Control& sender) {
    sender.set_text(app_.main.DateTimePicker1.text());
}

}  // namespace rebanto
