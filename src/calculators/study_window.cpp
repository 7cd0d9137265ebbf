// The study window's controls: defaults, hints and the events they are bound to.
#include <initializer_list>
#include <utility>

#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tform10.h"

namespace rebanto {

TForm10::TForm10(App& app) : Form("TForm10", "繰上金利検討ナビゲーション"), app_(app) {
    set_bounds(100, 100, 820, 560);
    Panel1.set_hint(
        "元入返済額（支払元金）合計は最終まで行くと結局スタート元金と同一なので、コストとしての支払"
        "利息総額のみで比較。");
    Button5.set_hint(
        "現カレントを比較元に設定・・・・右３つの数値を入力し比較増減するだけで特別に他のことはしま"
        "せん。");
    Button6.set_hint(
        "現カレントを比較新に設定・・・・右３つの数値を入力し比較増減するだけで特別に他のことはしま"
        "せん。");
    Label23.set_hint("短縮月回(マイナス表記時)。既に短縮された比較元ではプラス表記の場合有。");
    Label24.set_hint(Label23.hint());
    Label21.set_hint(
        "ここがマイナス又は額が少ない場合は良いが、額が多い場合は金利高騰等で当初期間内で返しきれな"
        "いことを示す。");
    Edit2.set_hint("ここが茶色いフォントの時は「住宅ローン控除」分が差し引かれています");
    Button24.set_hint(
        "当処理は「元化→」及び「新化→」の処理後に行って控除の要素を２つの支払い利息総計の合計欄に反"
        "映／月次対応");
    Panel2.set_hint(
        "作業手順：適用制度の年月→年末の月表示指定→カレント解析(→○消し)"
        "→控除計算→比較元へor比較新へ");
    StringGrid2.set_hint(
        "訂正自在。含めたくなければ、「カレント解析」後、各年末残や表一番右の欄の「○」をダブルクリ"
        "ックで消す。");
    RadioButton1.set_hint("土地部分の融資には適用されないので、運用には留意して下さい。");
    RadioButton2.set_hint(RadioButton1.hint());
    RadioButton3.set_hint("この制度から住宅用の土地部分の融資にも適用されています。");
    for (Label* warning : {&Label33, &Label34, &Label35, &Label36}) {
        warning->set_hint(
            "ローン期間１０年割込み控除一部不適用。最終回繰上でないなら最新繰上額低減か期間同一型選"
            "択かそのままか等検討下さい");
        warning->set_font_color(Color::Red);
        warning->hide();
    }
    for (Control* c : std::initializer_list<Control*>{
             &RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5,
             &Label37,      &ComboBox2,    &Label38,      &ComboBox1,    &StringGrid2,
             &Button25,     &Button26,     &Label39,      &Edit1,        &Button27,
             &Button28,     &Label31,      &Label32,      &Label33,      &Label34,
             &Label35,      &Label36,      &Button30,     &Button29,     &UpDown1}) {
        c->set_parent(&Panel2);
    }
    Panel2.hide();
    Label31.hide();
    Label32.hide();
    StringGrid2.set_editable(true);
    for (int c = 0; c < 13; ++c)
        StringGrid2.set_col_width(c, c == 0 ? 44 : c <= 4 ? 36 : c == 5 ? 36 : 70);
    UpDown1.set_range(5, 100);
    UpDown1.set_position(9);
    StringGrid2.set_font_size(9);
    setup_tax_owed();
    wire();
}

Handler TForm10::guard(void (TForm10::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TForm10::wire() {
    Button19.on_click = guard(&TForm10::Button19Click);
    Button5.on_click = guard(&TForm10::Button5Click);
    Button6.on_click = guard(&TForm10::Button6Click);
    Button1.on_click = guard(&TForm10::Button1Click);
    Button17.on_click = guard(&TForm10::Button17Click);
    Button7.on_click = guard(&TForm10::Button7Click);
    Ed999.on_change = guard(&TForm10::Ed999Change);
    Ed999.on_dbl_click = guard(&TForm10::Ed999DblClick);
    Edit10.on_mouse_over = [this](Control&) { app_.cur.show(); };
    Edit11.on_mouse_over = [this](Control&) { app_.cur.show(); };
    Edit12.on_mouse_over = [this](Control&) {
        app_.main.show();
        app_.main.PageControl1.set_active_page(app_.main.TabSheet7);
    };
    Panel1.on_dbl_click = [this](Control&) { window_dbl_click(); };
    Panel2.on_dbl_click = [this](Control&) { window_dbl_click(); };
    Button24.on_click = guard(&TForm10::Button24Click);
    for (RadioButton* regime :
         {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5}) {
        regime->on_click = guard(&TForm10::RegimeClick);
    }
    ComboBox2.on_change = guard(&TForm10::ComboBox2Change);
    Button25.on_click = guard(&TForm10::Button25Click);
    Button26.on_click = guard(&TForm10::Button26Click);
    Button27.on_click = guard(&TForm10::Button27Click);
    Button28.on_click = guard(&TForm10::Button28Click);
    Button27.on_mouse_over = guard(&TForm10::Button27MouseOver);
    Button28.on_mouse_over = guard(&TForm10::Button28MouseOver);
    Button29.on_click = guard(&TForm10::Button29Click);
    Button30.on_click = guard(&TForm10::Button30Click);
    StringGrid2.on_dbl_click = guard(&TForm10::StringGrid2DblClick);
    UpDown1.on_change = guard(&TForm10::UpDown1Change);
    TForm4& navigator = app_.navigator;
    for (auto [button, routine] : {std::pair{&navigator.Button19, &TForm4::Button19Click},
                                   std::pair{&navigator.Button20, &TForm4::Button20Click},
                                   std::pair{&navigator.Button143, &TForm4::Button143Click}}) {
        button->on_click = guarded(navigator, routine, app_.platform());
    }
}

// The prepayment-rate study window takes the current tables as its base or new state.
void TForm4::Button19Click(Control&) {
    app_.study_navigator.Button5Click(app_.study_navigator.Button5);
}
void TForm4::Button20Click(Control&) {
    app_.study_navigator.Button6Click(app_.study_navigator.Button6);
}
void TForm4::Button143Click(Control&) {
    app_.study_navigator.show();
}

// "→CSV": the deduction table as CSV lines in the main window's output memo, ready for its
// save dialog set to CSV; the composite page comes to the front.
void TForm10::Button30Click(Control&) {
    TForm1& main = app_.main;
    main.open_output_memo(true);
    for (const std::string& line : csv_lines())
        main.RichEdit4.append(line);
    main.beep(Beep::Information);
    main.show();
    main.PageControl1.set_active_page(main.TabSheet7);
}

}  // namespace rebanto
