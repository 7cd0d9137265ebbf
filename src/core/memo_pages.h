#pragma once
// The pages "ﾒﾓ(月返済)" and "(ﾎﾞｰﾅｽ返済)" of the main window: the memos the steps are
// written into, their fonts, pages, printing and saving, and the totals line.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "base/money.h"
#include "base/rounding.h"
#include "dates/batch_types.h"
#include "forms/guard.h"
#include "forms/main_page.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"
#include "tables/pack_list.h"

namespace rebanto {

namespace numeric {
struct Table;
}
struct PackFile;

class MemoPages : public MainPage {
public:
    explicit MemoPages(TForm1& main) : MainPage(main) {}

    // ---- Page "ﾒﾓ(月返済)" and "(ﾎﾞｰﾅｽ返済)" ----
    Memo RichEdit1{form_, "RichEdit1"};
    Memo RichEdit2{form_, "RichEdit2"};
    Button Bt7_MClear{form_, "Bt7_MClear", "消"};
    Button Button48{form_, "Button48", "消"};
    Button Bt7_BClear{form_, "Bt7_BClear", "消"};
    Button Button49{form_, "Button49", "消"};
    Button Bt0_allClear{form_, "Bt0_allClear", "メモクリアー"};
    Label Label_cl{form_, "Label_cl", "メモクリアー済"};
    Label Label_mem{form_, "Label_mem", "メモ"};
    Label Label_m{form_, "Label_m", "→ｶﾚﾝﾄ月返済表"};
    Label Label_b{form_, "Label_b", "→ｶﾚﾝﾄﾎﾞｰﾅｽ返済表"};
    Button Button6{form_, "Button6", "メモ帯"};
    Button Button2{form_, "Button2", "選択フォント設定"};
    Button Button7{form_, "Button7", "選択フォント設定"};
    Button Button40{form_, "Button40", "初期ﾌｫﾝﾄ"};
    Button Button41{form_, "Button41", "初期ﾌｫﾝﾄ"};
    Button Button5{form_, "Button5", "印刷"};
    Button Button8{form_, "Button8", "印刷"};
    // Saving the memos as rich text (or plain text, in plain-text mode).
    Button Button70{form_, "Button70", "保存"};
    Button Button85{form_, "Button85", "保存"};
    TrackBar UpDown1{form_, "UpDown1"};
    TrackBar UpDown2{form_, "UpDown2"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoClearMonthly{form_, "CaptionMemoClearMonthly", "メモ消去"};
    Label CaptionFontSizeMonthly{form_, "CaptionFontSizeMonthly", "文字サイズ"};
    Label CaptionMemoClearBonus{form_, "CaptionMemoClearBonus", "メモ消去"};
    Label CaptionFontSizeBonus{form_, "CaptionFontSizeBonus", "文字サイズ"};

    // ---- Routines: memo lines and schedule rows ----
    void goukeikinyu_m();
    void goukeikinyu_b();
    void Button15Click(Control& sender);
    void Bt7_MClearClick(Control& sender);
    void Bt7_BClearClick(Control& sender);
    void Bt0_allClearClick(Control& sender);
    void Button6Click(Control& sender);
    void switch_repayment_method();
    void memo_font_click(Control& sender);
    void memo_initial_font_click(Control& sender);
    void memo_print_click(Control& sender);
    void memo_size_change(Control& sender);
    void memo_page_click(Control& sender);
    void memo_page_right_click(Control& sender);
    // After a multi-step run: show the memo and remember the page to return to.
    void show_memo_after_run(Panel& return_page);
    Panel* memo_return_page = nullptr;
    bool memo_switch_suppressed = false;
    void wire_memo_pages();
};

}  // namespace rebanto
