// The current-tables window: layouts, column zoom, font size, the five memories and
// their files, and the entry to the comparison window.
#include <cmath>
#include <initializer_list>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tforcur.h"
#include "io/numeric_table.h"
#include "tables/pack_file.h"

namespace rebanto {

namespace {

constexpr std::array<int, 14> kMonthlyWidths{35, 18, 17, 74, 38, 25, 58,
                                             23, 51, 23, 56, 59, 76, 53};
constexpr std::array<int, 14> kBonusWidths{35, 17, 17, 75, 37, 26, 57, 24, 51, 23, 56, 58, 77, 54};
constexpr int kRowHeight = 16;
constexpr int kMinFont = 5;
constexpr int kMaxFont = 100;
constexpr const char* kFullWidthDigits[] = {"１", "２", "３", "４", "５"};

std::string font_hint(int size) {
    return "現文字サイズは　" + std::to_string(size) + "　ポイントです。";
}

// The hints of the window, its tables and its operations.
void hint_operations(TForCur& w) {
    w.LabelNote.set_hint(
        "この窓(フォーム)は位置・大きさが自在に変更可能です。見やすいように調整の上御利用下さい。");
    w.StGr1.set_hint("カレント月返済表");
    w.StGr2.set_hint("カレントボーナス返済表");
    w.BitBtn1.set_hint("両表を横にして並べます");
    w.BitBtn2.set_hint("両表を縦にして並べます");
    w.Button1.set_hint("全面を月返済表で表示");
    w.Button2.set_hint("全面をボーナス返済表で表示");
    w.UpDown3.set_hint("下記一覧表の文字サイズを全体均一に変更");
    w.Button3.set_hint("コラムサイズを１．１倍します(拡大)　");
    w.Button4.set_hint("コラムサイズを１．１分の１します(縮小)　");
    w.Button5.set_hint(
        "■■基本設定復元■■現在表示のカレント両表から基本設定情報を読み取り、基本設定欄に復元させ"
        "ます");
    w.Button87.set_hint("マニュアルパック化保存されたファイルを現在のカレント両表に上書読込");
    w.Button88.set_hint("現在表示のカレント両表をマニュアルパックとしてファイル保存 ");
    w.Button7.set_hint(
        "左記５記憶を一括して読み込みます。ワンボタンのみですが確認もなく左記記憶は上書きされま"
        "す。");
    w.Button8.set_hint(
        "左記５記憶を一括して保存します。保存名等は不要ですが確認もなくファイルは上書きされます。");
    w.Button6.set_hint("比較表－カレント両表５記憶を加算減算比較");
    w.Bt_suuti.set_hint(numeric::kNumericExportHint);
}

// Memory k (from 0): its store and recall buttons and its number on its panel; nothing to
// recall yet.
void lay_out_slot(Panel& panel, Button& store, Button& recall, Label& number, int k) {
    store.set_tag(k + 1);
    recall.set_tag(k + 1);
    store.set_parent(&panel);
    recall.set_parent(&panel);
    number.set_parent(&panel);
    const std::string digit = kFullWidthDigits[k];
    panel.set_hint(
        "各メモにまでは反映されないけれど、本当に便利に使える機能なので作業の区切りで使用下さ"
        "い。");
    number.set_hint(
        "プログラム終了時には消去されるので、保存必要時は左記「保存」で適切な名称で必ず保存"
        "しておくこと");
    store.set_hint("一時記憶" + digit + "に記憶。以前の記憶は警告無く上書きされるので注意。");
    recall.set_hint("一時記憶" + digit +
                    "の記憶からの呼出。現在のカレントデータに警告無く上書きされるので注意"
                    "。");
    recall.set_enabled(false);
}

}  // namespace

TForCur::TForCur(App& app) : Form("TForCur", "カレント両表"), app_(app) {
    set_bounds(538, 459, 587, 442);
    hint_operations(*this);
    LabelNote.set_font_color(Color::Gray);
    StGr1.set_parent(&PanelM);
    StGr2.set_parent(&PanelB);
    for (int c = 0; c < 14; ++c) {
        StGr1.set_col_width(c, kMonthlyWidths[c]);
        StGr2.set_col_width(c, kBonusWidths[c]);
    }
    for (Grid* table : {&StGr1, &StGr2}) {
        table->set_row_height(kRowHeight);
        table->set_font_size(10);
        table->set_editable(true);
        table->on_click = [this](Control& sender) {
            app_.row_sync.sync(static_cast<Grid&>(sender));
        };
    }
    app.row_sync.add(StGr1, 20, kFirstDataRow);
    app.row_sync.add(StGr2, 21, kFirstDataRow);

    UpDown3.set_range(kMinFont, kMaxFont);
    UpDown3.set_position(10);
    Button88.set_enabled(false);

    const std::array<Button*, 5> stores{&Button81, &Button82, &Button83, &Button84, &Button85};
    const std::array<Button*, 5> recalls{&Button91, &Button92, &Button93, &Button94, &Button95};
    const std::array<Panel*, 5> panels{&Slot1, &Slot2, &Slot3, &Slot4, &Slot5};
    const std::array<Label*, 5> numbers{&SlotNo1, &SlotNo2, &SlotNo3, &SlotNo4, &SlotNo5};
    for (int k = 0; k < 5; ++k) {
        lay_out_slot(*panels[k], *stores[k], *recalls[k], *numbers[k], k);
        stores[k]->on_click = guard(&TForCur::StoreClick);
        recalls[k]->on_click = guard(&TForCur::RecallClick);
    }

    for (Button* b : {&BitBtn1, &BitBtn2, &Button1, &Button2}) {
        b->on_click = guard(&TForCur::LayoutClick);
    }
    UpDown3.on_change = guard(&TForCur::UpDown3Change);
    Button3.on_click = guard(&TForCur::Button3Click);
    Button4.on_click = guard(&TForCur::Button4Click);
    Button5.on_click = [this](Control& sender) { app_.main.Button146Click(sender); };
    Button87.on_click = [this](Control& sender) { app_.main.Button87Click(sender); };
    Button88.on_click = [this](Control& sender) { app_.main.Button88Click(sender); };
    Button7.on_click = guard(&TForCur::Button7Click);
    Button8.on_click = guard(&TForCur::Button8Click);

    // Every resize lays the tables out again in the chosen mode.
    add_observer(
        [this](Control* control, Change, int, int) {
            if (control == nullptr) apply_layout();
        },
        {Change::Geometry});
    apply_layout();
}

Handler TForCur::guard(void (TForCur::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TForCur::apply_layout() {
    const int w_all = width();
    const int h_all = height();
    const int band = kButtonBand;
    PanelGeometry m;
    PanelGeometry b;
    switch (layout) {
        case TablesLayout::Stacked: {
            const int h = (h_all - band) / 2;
            m = {0, band, w_all - 4, h - 2};
            b = {0, h + 52, w_all - 4, h - 3};
            break;
        }
        case TablesLayout::SideBySide: {
            const int w = w_all / 2 - 2;
            m = {0, band, w, h_all - 58};
            b = {w, band, w, h_all - 58};
            break;
        }
        case TablesLayout::MonthlyOnly:
            m = {0, band, w_all - 4, h_all - 58};
            b = {w_all / 2 - 2, band, 0, 0};
            break;
        case TablesLayout::BonusOnly:
            m = {0, band, 0, 0};
            b = {0, band, w_all - 4, h_all - 58};
            break;
    }
    monthly_geometry_ = m;
    bonus_geometry_ = b;
    notify(&PanelM, Change::Geometry);
    notify(&PanelB, Change::Geometry);
}

void TForCur::LayoutClick(Control& sender) {
    if (&sender == &BitBtn1) layout = TablesLayout::Stacked;
    if (&sender == &BitBtn2) layout = TablesLayout::SideBySide;
    if (&sender == &Button1) layout = TablesLayout::MonthlyOnly;
    if (&sender == &Button2) layout = TablesLayout::BonusOnly;
    apply_layout();
}

void TForCur::UpDown3Change(Control&) {
    const int size = UpDown3.position();
    StGr1.set_font_size(size);
    StGr2.set_font_size(size);
    UpDown3.set_hint(font_hint(size));
}

// Column widths and the row height grow or shrink by a tenth, to whole pixels.
void TForCur::zoom(bool enlarge) {
    auto scaled = [enlarge](int pixels) {
        const long double v = enlarge ? pixels * 1.1L : pixels / 1.1L;
        return static_cast<int>(std::truncl(v + 0.5L));
    };
    for (Grid* table : {&StGr1, &StGr2}) {
        for (int c = 0; c < table->col_count(); ++c) {
            table->set_col_width(c, scaled(table->col_width(c)));
        }
        table->set_row_height(scaled(table->row_height()));
    }
    ZoomSteps += enlarge ? 1 : -1;
}

void TForCur::StoreClick(Control& sender) {
    store_slot(static_cast<int>(sender.tag()));
}

void TForCur::RecallClick(Control& sender) {
    recall_slot(static_cast<int>(sender.tag()));
}

void TForCur::store_slot(int k) {
    if (k < 1 || k > 5) return;
    TablesSnapshot& slot = slots[k - 1];
    const TForm1& f = app_.main;
    slot.method = f.HHkkgg.text();
    slot.instalment_rounding = f.HRh.tag();
    slot.interest_rounding = f.HRr.tag();
    slot.accrual_unit = f.FuriR.tag();
    slot.monthly = StGr1.shared_rows();
    slot.bonus = StGr2.shared_rows();
    slot_stored[k - 1] = true;
    slot_unsaved[k - 1] = true;
    const std::array<Button*, 5> recalls{&Button91, &Button92, &Button93, &Button94, &Button95};
    recalls[k - 1]->set_enabled(true);
}

void TForCur::recall_slot(int k) {
    if (k < 1 || k > 5) return;
    recall_once(k);
    // A recall that ends with the first payment uncorrected is made once more, so that
    // the second pass sees the settings the first one put in place.
    if (!app_.main.CheckBox2.checked() && !recall_repeating_) {
        recall_repeating_ = true;
        recall_once(k);
    }
    recall_repeating_ = false;
}

void TForCur::recall_once(int k) {
    // Read in place: what the recall runs rewrites the tables and the fields, never a memory.
    const TablesSnapshot& slot = slots[k - 1];
    TForm1& f = app_.main;
    f.HHkkgg.set_text(slot.method);
    f.HRh.set_tag(slot.instalment_rounding);
    f.HRr.set_tag(slot.interest_rounding);
    f.FuriR.set_tag(slot.accrual_unit);
    f.recolour_indicators();
    f.Button106Click(f.Button106);
    f.Button88.set_enabled(true);
    Button88.set_enabled(true);

    struct Side {
        Grid& table;
        const HeldRows& rows;
        Button& copy_button;
        void (TForm1::*clear)(Control&);
        void (TForm1::*show_copy)(Control&);
    };
    for (const Side& side :
         {Side{StGr1, slot.monthly, f.ButtonM, &TForm1::Bt7_MClearClick, &TForm1::ButtonMClick},
          Side{StGr2, slot.bonus, f.ButtonB, &TForm1::Bt7_BClearClick, &TForm1::ButtonBClick}}) {
        side.table.set_row_count(static_cast<int>(side.rows.size()));
        if (side.table.row_count() <= kFirstDataRow) {
            side.copy_button.set_enabled(false);
            (f.*side.clear)(side.copy_button);
        }
        if (side.table.row_count() == static_cast<int>(side.rows.size())) {
            side.table.share_rows(side.rows.shared());
        } else {
            // The clearing changed the number of rows: row by row, as ever, and a row beyond
            // the table's new length is not taken.
            for (std::size_t r = 0; r < side.rows.size(); ++r)
                side.table.set_row(static_cast<int>(r), side.rows[r]);
        }
        if (side.table.row_count() > kFirstDataRow) {
            side.copy_button.set_enabled(true);
            (f.*side.show_copy)(side.copy_button);
        }
    }
    f.Button26Click(f.Button26);
}

std::string TForCur::slot_file(int k) const {
    return app_.main.data_path(std::string("両表") + kFullWidthDigits[k - 1]);
}

void TForCur::Button7Click(Control&) {
    for (int k = 1; k <= 5; ++k) {
        try {
            app_.main.Open_mpc(slot_file(k));
        } catch (const std::exception& e) {
            app_.platform().error(e.what());
            return;
        }
        store_slot(k);
        slot_unsaved[k - 1] = false;  // the memory is what its file holds
    }
}

void TForCur::Button8Click(Control&) {
    for (int k = 1; k <= 5; ++k) {
        if (slot_stored[k - 1]) recall_slot(k);
        try {
            app_.main.Save_mpc(slot_file(k));
        } catch (const std::exception& e) {
            app_.platform().error(e.what());
            return;
        }
        slot_unsaved[k - 1] = false;
    }
}

std::string TForCur::unsaved_slots() const {
    std::string list;
    for (int k = 1; k <= 5; ++k) {
        if (!slot_stored[k - 1] || !slot_unsaved[k - 1]) continue;
        if (!list.empty()) list += "、";
        list += kFullWidthDigits[k - 1];
    }
    return list;
}

}  // namespace rebanto
