// The navigator window: its controls' defaults, hints and the events they are bound to.
#include <array>
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/replay_state.h"

namespace rebanto {

namespace {

constexpr std::array<int, 14> kMonthlyWidths{35, 17, 17, 74, 39, 28, 54,
                                             25, 49, 24, 57, 59, 75, 52};
constexpr int kFirstFontSize = 10;
constexpr int kMinFontSize = 5;
constexpr int kMaxFontSize = 100;

}  // namespace

TForm4::TForm4(App& app) : Form("TForm4", "再計算ナビゲーター"), app_(app) {
    set_bounds(40, 80, 900, 620);
    for (Grid* grid : {&StringGrid1, &StringGrid2}) {
        for (int c = 0; c < 14; ++c)
            grid->set_col_width(c, kMonthlyWidths[c]);
        grid->set_editable(true);
        grid->set_row_height(16);
        grid->set_font_size(kFirstFontSize);
    }
    StringGrid2.set_col_width(8, 50);
    StringGrid2.hide();
    StringGrid1.set_hint(
        "月とボーナス計算は別々のものとして処理・・基本設定とは無関係に下表に基づいて再計算");
    StringGrid2.set_hint(StringGrid1.hint());
    RadioButton1.set_parent(&GroupBox2);
    RadioButton2.set_parent(&GroupBox2);
    RadioButton1.set_checked(true);
    RadioButton1.set_enabled(false);
    RadioButton2.set_enabled(false);

    CheckBox1.set_checked(true);
    Edit6.set_enabled(false);
    Edit6.set_color(Color::Gray);
    Label11.set_color(Color::Red);
    CheckBox2.set_enabled(false);
    Button1.set_hint("選択行まで再計算（何度も可）");
    Button9.set_hint("月返済表、ボーナス返済表の順に最終行まで再計算");
    Button111.set_enabled(false);
    UpDown1.set_range(kMinFontSize, kMaxFontSize);
    UpDown1.set_position(kFirstFontSize);
    UpDown1.set_hint("現文字サイズは　" + std::to_string(kFirstFontSize) + "　ポイントです。");

    Edit5.set_hint(
        "繰上返済の金額＋。借り増しの時は－でタイプ。／／継続性確保のため元金残を調整したいときも利"
        "用"
        "可能");
    Ed_Uchi.hide();
    Button7.set_hint(
        "選択行を削除。合計行・内入行以外の場合、残回数と1期回数の整合性を整える(結果数値にも充分に"
        "留意必要)");
    Button10.set_hint("選択行の下に行を挿入。残回数と1期回数の整合性は別途整えて下さい");
    Button21.set_enabled(false);
    Label27.set_color(Color::Gray);
    Label27.set_hint("金利変更詳細設定－下表で金利変更の該当行選択時に点灯");
    Button26.hide();
    Button28.set_hint("ﾎﾞｰﾅｽ返済時ではない月に金利変更の場合に補正");
    Button19.set_hint("カレント両表を繰上金利検討ナビの元の表として設定");
    Button20.set_hint("カレント両表を繰上金利検討ナビの新しい表として設定");
    CheckBox4.set_hint(
        "ここチェックで、元々の月回表示を補正前の月目で表示（＝月々の初回月回は必ず１となる）・・・"
        "月々"
        "とﾎﾞｰﾅｽの月差は保持");
    wire_boundary_group();
    wire_daily_interest();
    wire();
}

TForm4::~TForm4() = default;

Handler TForm4::guard(void (TForm4::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TForm4::wire() {
    wire_replay();
    wire_row_entry();
    wire_row_editing();
    wire_bonus_correction();
    // The second repayment stream renames the bonus table's radio button.
    app_.stream_renames.add(
        [this](const SecondStream& stream) { RadioButton2.set_caption("ｶﾚﾝﾄ" + stream.name); });
}

// The table worked on and how far a replay runs.
void TForm4::wire_replay() {
    RadioButton1.on_click = guard(&TForm4::RadioButton1Click);
    RadioButton2.on_click = guard(&TForm4::RadioButton1Click);
    Button1.on_click = guard(&TForm4::Button1Click);
    Button8.on_click = guard(&TForm4::Button8Click);
    Button9.on_click = guard(&TForm4::Button9Click);
    CheckBox1.on_click = [this](Control&) {
        const bool keep = CheckBox1.checked();
        Edit6.set_enabled(!keep);
        Edit6.set_color(keep ? Color::Gray : Color::Magenta);
    };
}

// The values written into the selected row, and the tables' type size.
void TForm4::wire_row_entry() {
    Button3.on_click = guard(&TForm4::Button3Click);
    Button2.on_click = guard(&TForm4::Button2Click);
    Button11.on_click = guard(&TForm4::Button11Click);
    Button12.on_click = guard(&TForm4::Button12Click);
    Edit1.on_dbl_click = guard(&TForm4::Edit1DblClick);
    Edit2.on_dbl_click = guard(&TForm4::Edit2DblClick);
    Edit3.on_dbl_click = guard(&TForm4::Edit3DblClick);
    Edit4.on_dbl_click = guard(&TForm4::Edit4DblClick);
    Edit6.on_dbl_click = guard(&TForm4::Edit6DblClick);
    Edit4.on_change = guard(&TForm4::Edit4Change);
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5}) {
        field->on_key = [this](Control& sender, char32_t& key) { numeric_key_filter(sender, key); };
    }
    Button29.on_click = guard(&TForm4::Button29Click);
    Button13.on_click = guard(&TForm4::Button13Click);
    Button110.on_click = guard(&TForm4::Button110Click);
    Button111.on_click = guard(&TForm4::Button111Click);
    UpDown1.on_change = guard(&TForm4::UpDown1Change);
}

// Rows inserted, deleted and selected; the prepayment a "内入" row carries.
void TForm4::wire_row_editing() {
    Button4.on_click = guard(&TForm4::Button4Click);
    Button5.on_click = guard(&TForm4::Button5Click);
    Button7.on_click = guard(&TForm4::Button7Click);
    Button10.on_click = guard(&TForm4::Button10Click);
    Button14.on_click = guard(&TForm4::Button14Click);
    for (Grid* grid : {&StringGrid1, &StringGrid2}) {
        grid->on_click = guard(&TForm4::StringGridClick);
        grid->on_dbl_click = guard(&TForm4::StringGridDblClick);
    }
    app_.row_sync.add(StringGrid1, 30, navigator::kFirstDataRow);
    app_.row_sync.add(StringGrid2, 31, navigator::kFirstDataRow);
    La_Uchi.on_click = guard(&TForm4::La_UchiClick);
    La_Uchi.on_dbl_click = guard(&TForm4::La_UchiDblClick);
    La_Uchi.on_right_click = guard(&TForm4::La_UchiRightClick);
    Ed_Uchi.on_dbl_click = guard(&TForm4::Ed_UchiDblClick);
    Ed_Uchi.on_key = [this](Control& sender, char32_t& key) { Ed_UchiKey(sender, key); };
    Label11.on_click = guard(&TForm4::Label11Click);
    CheckBox4.on_click = guard(&TForm4::CheckBox4Click);
}

// The automatic bonus correction.
void TForm4::wire_bonus_correction() {
    Button26.on_click = guard(&TForm4::Button26Click);
    Button27.on_click = guard(&TForm4::Button27Click);
    Button28.on_click = guard(&TForm4::Button28Click);
}

void TForm4::UpDown1Change(Control&) {
    const int size = UpDown1.position();
    StringGrid1.set_font_size(size);
    StringGrid2.set_font_size(size);
    UpDown1.set_hint("現文字サイズは　" + std::to_string(size) + "　ポイントです。");
}

void TForm4::numeric_key_filter(Control& sender, char32_t& key) {
    app_.main.numeric_key_filter(sender, key);
}

void TForm4::window_dbl_click() {
    app_.main.show();
}

}  // namespace rebanto
