#pragma once
// The pages "設定" and "解説" of the main window: the settings file, start-up, the
// window placement, exit and restart, the rate presets and the variable-rate list the
// tables read, and the explanation documents.
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

class SettingsPage : public MainPage {
public:
    explicit SettingsPage(TForm1& main) : MainPage(main) {}

    // ---- Page "設定" ----
    Button Button86{form_, "Button86", "音有"};
    Edit Ed5_memoobi{form_, "Ed5_memoobi"};
    Edit Edit46{form_, "Edit46", "未記入無名"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoBand{form_, "CaptionMemoBand", "メモ帯"};
    Label CaptionAuthor{form_, "CaptionAuthor", "作成者名"};
    Label CaptionWorkLog{form_, "CaptionWorkLog", "作業名称ログ"};

    // ---- Page "設定": the settings file, exit and restart ----
    Button Bt_save{form_, "Bt_save", "Save"};
    Button Bt_load{form_, "Bt_load", "Load"};
    Button Button101{form_, "Button101", "非Save終了・再起動"};
    Button Button105{form_, "Button105", "再起動"};
    CheckBox CheckBox4{form_, "CheckBox4", "窓サイズ自動記録"};
    // The date picker of the reference calendar: ticked for a drop-down calendar.
    CheckBox CheckBox6{form_, "CheckBox6", "日付はカレンダー表示で選択"};
    // The page-indicator offset above the tab row (position − 100 is stored).
    TrackBar TrackBar1{form_, "TrackBar1"};
    Edit Edit58{form_, "Edit58", "未記入無名"};
    // The start folder: where the settings, the lists and the documents live.
    Edit Ed0_inidir{form_, "Ed0_inidir"};
    // The control scale in ten-thousandths after a resize ("10000" = unchanged).
    Edit Edit11{form_, "Edit11", "10000"};

    // ---- Page "設定": rates the rate list writes ----
    // The rate after a step ("以降金利"), also the corporation plans' rate from year 11.
    Edit Edit40{form_, "Edit40", "4.0"};

    // ---- Page "設定": rate presets ----
    // Corporation rates, cycled by "基" and "加" on the batch-table page.
    Label La5_kouko_kijun{form_, "La5_kouko_kijun", "公庫基準金利"};
    Edit Edit39{form_, "Edit39", "2.80"};
    Label La5_kijungai{form_, "La5_kijungai", "基準外他"};
    Edit Edit51{form_, "Edit51", "2.90"};
    Label La5_koyuka{form_, "La5_koyuka", "広床面積他"};
    Edit Edit52{form_, "Edit52", "3.40"};
    Label La5_tokubetu{form_, "La5_tokubetu", "特別加算等"};
    Edit Edit50{form_, "Edit50", "3.80"};
    Label La5_sonota1{form_, "La5_sonota1", "その他１"};
    Edit Edit63{form_, "Edit63", "2.85"};
    Label La5_sonota2{form_, "La5_sonota2", "その他２"};
    Edit Edit62{form_, "Edit62", "3.00"};
    Label La5_kouko11{form_, "La5_kouko11", "公庫11年以降金利"};
    // Bank rates, cycled by "一" and "特".
    Label La5_ippan1{form_, "La5_ippan1", "銀行変動一般金利"};
    Edit Edit41{form_, "Edit41", "2.375"};
    Label La5_ippan2{form_, "La5_ippan2", "一般2"};
    Edit Edit53{form_, "Edit53", "1.85"};
    Label La5_ippan3{form_, "La5_ippan3", "一般3"};
    Edit Edit54{form_, "Edit54", "2.05"};
    Label La5_tokusyu1{form_, "La5_tokusyu1", "特殊1"};
    Edit Edit55{form_, "Edit55", "3.43"};
    Label La5_tokusyu2{form_, "La5_tokusyu2", "特殊2"};
    Edit Edit56{form_, "Edit56", "2.88"};
    Label La5_tokusyu3{form_, "La5_tokusyu3", "特殊3"};
    Edit Edit57{form_, "Edit57", "3.88"};
    // The variable-rate list file read at start-up.
    Edit Edit66{form_, "Edit66", "kin_hen.txh"};
    // The variable-rate list: 70 half-yearly rates, 5-year blocks in columns, with its
    // line-by-line mirror Memo1 (line k is half-year k).
    Panel GroupBox9{form_, "GroupBox9", "変動金利リスト"};
    Grid StringGrid6{form_, "StringGrid6", 11, 8, 1, 1};
    Memo Memo1{form_, "Memo1"};
    Button Button57{form_, "Button57", "読込"};
    Button Button56{form_, "Button56", "記録"};
    Edit Edit68{form_, "Edit68"};
    Button Button55{form_, "Button55", "閉じる"};
    Panel GrpListBulk{form_, "GrpListBulk", "左表一括訂正"};
    RadioButton RadioButton7{form_, "RadioButton7", "＋加算"};
    RadioButton RadioButton8{form_, "RadioButton8", "×倍"};
    Edit Edit69{form_, "Edit69", "0.01"};
    Button Button84{form_, "Button84", "ＧＯ"};
    // Calendar alignment of the list to the first payment dates.
    Panel GrpListAlign{form_, "GrpListAlign",
                       "変動金利＝基準金利・基準日を以下の適用基準で適用するかどうか"};
    CheckBox CheckBox1{form_, "CheckBox1", "適用する"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionCorporationRates{form_, "CaptionCorporationRates", "公庫等の金利"};
    Label CaptionBankRates{form_, "CaptionBankRates", "銀行の金利"};
    Label CaptionVariableList{form_, "CaptionVariableList", "変動金利ﾘｽﾄ"};
    Label CaptionIndicatorPlace{form_, "CaptionIndicatorPlace", "ｲﾝｼﾞｹｰﾀｰ位置"};
    Label CaptionListFile{form_, "CaptionListFile", "ﾌｧｲﾙ"};

    // ---- Page "解説" ----
    Memo RichEdit3{form_, "RichEdit3"};
    Button Button22{form_, "Button22", "Ver7.7ドキュメント"};
    Button Button58{form_, "Button58", "留意事項"};
    Button Button23{form_, "Button23", "近況"};
    Button Button77{form_, "Button77", "感想"};
    Button Button16{form_, "Button16", "未対応要望"};
    Button Button109{form_, "Button109", "対応済要望"};
    Button Button116{form_, "Button116", "バグ等指摘"};
    Button Button117{form_, "Button117", "利用・技術情報"};
    Button Button119{form_, "Button119", "苦言"};
    Button Button118{form_, "Button118", "その他"};
    Button BtHelp{form_, "BtHelp", "Help"};

    // ---- Routines: settings file, start-up, placement, exit ----
    // The settings store "kinri.ini" as lines, numbered from 0.
    std::vector<std::string> Memo3;
    // The bytes of each line as read, so lines the program does not interpret go back to
    // the file exactly as they came, even bytes that are not code page 932.
    std::vector<std::string> Memo3Bytes;
    // Set by the exit without saving and by the restart; never cleared.
    bool NoSave = false;
    bool PlacementRestored = false;
    std::string HelpFile;
    void settings_save();
    void settings_load();
    // The last text of each loan field of the settings store that the settings reader
    // takes; the design texts until a field takes another.
    std::vector<std::pair<const Control*, std::string>> LoanTextsKept;
    void track_loan_texts();
    void remove_stale_saves();
    void Bt_saveClick(Control& sender);
    void Bt_loadClick(Control& sender);
    void Button86Click(Control& sender);
    void Button101Click(Control& sender);
    void Button105Click(Control& sender);
    void ExplanationClick(Control& sender);
    void BtHelpClick(Control& sender);
    // The window placement record: fields 0-49 joined by the middle dot.
    std::string placement_record();
    // Runs once on the first paint of the main window (and again after a failed try).
    void restore_placement();
    // After a resize, a click on the status bar (or the window background) scales the
    // controls by the new width over the remembered one, in ten-thousandths (Edit11).
    int RememberedClientWidth = 0;
    int RememberedClientHeight = 0;
    void rescale_controls(Control& sender);
    // A file of the data folder; an empty folder means the start folder.
    std::string data_path(const std::string& name) const;
    void wire_settings();
};

}  // namespace rebanto
