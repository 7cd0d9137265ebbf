// "繰上返済の追加と削除": a prepayment added below the row of a given month or removed from
// it, on the monthly side, the bonus side or both, by the navigator's own operations; a
// removal extends the table to its term again.
#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tokbotkuriagedlg.h"
#include "navigator/control_table.h"
#include "navigator/replay_state.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kNoMonthToAdd = "月回の指定　が記入されていないので処理不可";
constexpr const char* kNoMonthToDelete = "月回の指定がされていないので処理不可";

long long whole_cell(const Grid& table, int row, int col) {
    try {
        return to_count(table.cell(row, col));
    } catch (const ConversionError&) {
        throw FieldValueError(
            table.name() + " " + std::to_string(row) + "行" + std::to_string(col) + "列",
            table.cell(row, col));
    }
}

// Runs the monthly and the bonus side of a change; when one stops or fails, the navigator
// and the current tables go back to how they were. True when both sides ran.
template <typename Sides>
bool both_or_restore(App& app, TForm4& navigator, const nav::ReplayState& before,
                     const Sides& sides) {
    try {
        if (sides()) return true;
    } catch (...) {
        before.restore(app, navigator);
        throw;
    }
    before.restore(app, navigator);
    return false;
}

}  // namespace

TOKBotKuriageDlg::TOKBotKuriageDlg(App& app)
    : Form("TOKBotKuriageDlg", "繰上返済の追加と削除(再計算ナビ活用)"), app_(app) {
    set_bounds(260, 200, 480, 260);
    CheckBox1.set_checked(true);
    CheckBox2.set_checked(true);
    CheckBox1.set_hint(
        "削除の場合金額欄無視－－削除時、期間復元しますが最終の金利のまま復元=変動金利時注意");
    CheckBox2.set_hint(
        "Ver5.7以降、offでも指定月回まで均等額は計算せずそのままで、以降の分のみ再計算します。");
    OKBtn.on_click = guard(&TOKBotKuriageDlg::OKBtnClick);
    CancelBtn.on_click = guard(&TOKBotKuriageDlg::CancelBtnClick);
    Button1.on_click = guard(&TOKBotKuriageDlg::Button1Click);
    Button2.on_click = guard(&TOKBotKuriageDlg::Button2Click);
    Edit1.on_dbl_click = guard(&TOKBotKuriageDlg::Edit1DblClick);
    for (Edit* field : {&Edit1, &Edit2, &Edit3}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            app_.main.numeric_key_filter(sender, key);
        };
    }
    // An emptied amount is "0".
    for (Edit* amount : {&Edit2, &Edit3}) {
        amount->on_exit = [amount](Control&) {
            if (amount->text().empty()) amount->set_text("0");
        };
    }
    app.stream_renames.add(
        [this](const SecondStream& stream) { Label3.set_caption(stream.name + "分返済内入額"); });
}

Handler TOKBotKuriageDlg::guard(void (TOKBotKuriageDlg::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TOKBotKuriageDlg::CancelBtnClick(Control&) {
    hide();
}

void TOKBotKuriageDlg::Edit1DblClick(Control&) {
    const Grid& table = app_.cur.StGr1;
    Edit1.set_text(table.cell(table.selected_row(), nav::kMonth));
}

int TOKBotKuriageDlg::row_of_month(const Grid& table, const std::string& month) {
    for (int r = nav::kFirstDataRow; r < table.row_count(); ++r)
        if (table.cell(r, nav::kMonth) == month) return r;
    return -1;
}

void TOKBotKuriageDlg::OKBtnClick(Control&) {
    for (Edit* amount : {&Edit2, &Edit3})
        if (amount->text().empty()) amount->set_text("0");
    if (CheckBox1.checked()) {
        add();
    } else {
        remove();
    }
}

void TOKBotKuriageDlg::add() {
    if (Edit1.text().empty() || num(Edit1) <= 0) {
        app_.platform().message(kNoMonthToAdd);
        return;
    }
    // Every number is read before anything changes: a bad one names its field.
    const bool monthly_amount = num(Edit2) != 0;
    const bool bonus_amount = num(Edit3) != 0;
    const std::string month = Edit1.text();
    const int monthly_row = row_of_month(app_.cur.StGr1, month);
    const int bonus_row = row_of_month(app_.cur.StGr2, month);
    if (monthly_row < 0 && bonus_row < 0) {
        // Neither table has the month: nothing would happen, and the user is told so.
        app_.platform().message("月回「" + month + "」の行がカレント両表にありません");
        return;
    }
    TForm4& navigator = app_.navigator;
    const auto before = nav::ReplayState::take(app_, navigator);
    const auto side = [&](bool bonus, int row, bool amount, const Edit& field) {
        if (row < 0) return true;
        navigator.open_from_current_tables();
        RadioButton& radio = bonus ? navigator.RadioButton2 : navigator.RadioButton1;
        if (!radio.enabled()) return true;
        Grid& grid = bonus ? navigator.StringGrid2 : navigator.StringGrid1;
        grid.set_selection(row, grid.selected_col());
        radio.set_checked(true);
        // No amount: a prepayment there is removed; where there is none the side is left
        // alone rather than replayed for nothing.
        if (!amount) {
            if (!nav::has_prepayment_flag(grid, row) && !nav::has_prepayment_flag(grid, row + 1))
                return true;
            return delete_at_selected_row(bonus);
        }
        navigator.CheckBox1.set_checked(CheckBox2.checked());
        navigator.Edit6.set_text(Edit1.text());
        navigator.Edit5.set_text(field.text());
        grid.set_selection(row, grid.selected_col());
        navigator.Button5Click(navigator.Button5);
        return navigator.replay(ReplayEnd::LastRow);
    };
    const bool done = both_or_restore(app_, navigator, before, [&] {
        return side(false, monthly_row, monthly_amount, Edit2) &&
               side(true, bonus_row, bonus_amount, Edit3);
    });
    if (done) hide();
}

void TOKBotKuriageDlg::remove() {
    if (Edit1.text().empty() || num(Edit1) == 0) {
        app_.platform().message(kNoMonthToDelete);
        return;
    }
    const std::string month = Edit1.text();
    const int monthly_row = row_of_month(app_.cur.StGr1, month);
    const int bonus_row = row_of_month(app_.cur.StGr2, month);
    TForm4& navigator = app_.navigator;
    const auto before = nav::ReplayState::take(app_, navigator);
    const auto side = [&](bool bonus, int row) {
        if (row < 0) return true;
        navigator.open_from_current_tables();
        Grid& grid = bonus ? navigator.StringGrid2 : navigator.StringGrid1;
        grid.set_selection(row, grid.selected_col());
        return delete_at_selected_row(bonus);
    };
    const bool done = both_or_restore(
        app_, navigator, before, [&] { return side(false, monthly_row) && side(true, bonus_row); });
    if (done) hide();
}

// "削除月"
void TOKBotKuriageDlg::Button1Click(Control&) {
    delete_at_selected_row(false);
}

// "削除ボ"
void TOKBotKuriageDlg::Button2Click(Control&) {
    delete_at_selected_row(true);
}

bool TOKBotKuriageDlg::delete_at_selected_row(bool bonus) {
    TForm4& navigator = app_.navigator;
    RadioButton& radio = bonus ? navigator.RadioButton2 : navigator.RadioButton1;
    if (!radio.enabled()) return true;
    navigator.CheckBox1.set_checked(CheckBox2.checked());
    navigator.Edit6.set_text(Edit1.text());
    radio.set_checked(true);
    Grid& grid = navigator.table();
    const auto select = [&grid](int row) { grid.set_selection(row, grid.selected_col()); };
    if (grid.selected_row() >= nav::kFirstDataRow &&
        nav::has_prepayment_flag(grid, grid.selected_row())) {
        navigator.Button7Click(navigator.Button7);
    }
    if (nav::has_prepayment_flag(grid, grid.selected_row() + 1)) {
        select(grid.selected_row() + 1);
        navigator.Button7Click(navigator.Button7);
    }
    // The table extended to its term again from its last plain row.
    int a = grid.row_count() - 1;
    while (a > nav::kFirstDataRow && grid.cell(a, nav::kFlag) == "K")
        --a;
    if (a < nav::kFirstDataRow) return true;
    select(a);
    int c = 0;
    for (int k = 0; k <= 8 && a - k >= nav::kFirstDataRow; ++k) {
        if (grid.cell(a - k, nav::kFlag).empty()) {
            c = k;
            break;
        }
    }
    const long long remaining = whole_cell(grid, a - c, nav::kRemaining);
    const long long in_row = whole_cell(grid, a - c, nav::kInRow);
    if (in_row <= 0)
        throw FieldValueError(grid.name() + " " + std::to_string(a - c) + "行9列",
                              grid.cell(a - c, nav::kInRow));
    // Both tables count their remaining instalments in the instalments of their rows. A
    // term that is no whole number of rows ends on a row of the instalments left over, so
    // the loan runs to its own last month again.
    const long long whole_rows = remaining / in_row;
    const long long left_over = whole_rows >= 1 ? remaining % in_row : 0;
    const long long copies = whole_rows - 1 + (left_over > 0 ? 1 : 0);
    for (long long i = 0; i < copies; ++i)
        navigator.Button10Click(navigator.Button10);
    select(a - c);
    navigator.Edit4DblClick(navigator.Edit4);
    navigator.Button11Click(navigator.Button11);
    if (left_over > 0) {
        const int last = a + static_cast<int>(copies);
        const long long months_short =
            (in_row - left_over) * (bonus ? app_.main.bonus_interval() : 1);
        const long long end_month = whole_cell(grid, last, nav::kMonth) - months_short;
        grid.set_cell(last, nav::kInRow, std::to_string(left_over));
        grid.set_cell(last, nav::kMonth, std::to_string(end_month));
    }
    return navigator.replay(ReplayEnd::LastRow);
}

}  // namespace rebanto
