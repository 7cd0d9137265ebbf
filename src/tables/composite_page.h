#pragma once
// The page "複合編成" of the main window: copies of the current tables, pack files,
// the composite tables, the month shift, the recalculation navigator's buttons and the
// output panel with the exports.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include "base/linefile.h"
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

class CompositePage : public MainPage {
public:
    explicit CompositePage(TForm1& main) : MainPage(main) {}

    // ---- Page "複合編成": copies of the current tables and pack files ----
    Button ButtonM{form_, "ButtonM", "ｶﾚﾝﾄ月返済表"};
    // Opens the recalculation navigator on the current tables.
    Button Button107{form_, "Button107", "再計算ナビ"};
    // Changes of the whole current tables through the navigator: the rate after a month,
    // a prepayment added or removed, the bonus rows around a rate change.
    Button Button135{form_, "Button135", "金利"};
    Button Button131{form_, "Button131", "繰上"};
    Button Button132{form_, "Button132", "繰上返済追記"};
    Button Button151{form_, "Button151", "ﾎﾞｰﾅｽ補正"};
    Button ButtonB{form_, "ButtonB", "ｶﾚﾝﾄﾎﾞｰﾅｽ返済表"};
    Edit Edit45{form_, "Edit45", "上記ボタンを押す"};
    Grid StringGrid1{form_, "StringGrid1", 2, 14, 1, 3};
    Grid StringGrid2{form_, "StringGrid2", 2, 14, 1, 3};
    Button Button87{form_, "Button87", "読込"};
    Button Button88{form_, "Button88", "保存"};
    Button Button89{form_, "Button89", "ﾊﾟｯｸ再保存"};
    Button Button146{form_, "Button146", "■■基本設定復元■■"};
    Button Button150{form_, "Button150", "読込"};
    // Reference first-payment dates proposed from today.
    Button Button72{form_, "Button72", "初回参考"};
    Edit MsEd7_yusi{form_, "MsEd7_yusi", "1998/06/21"};
    Edit MsEd7_mon{form_, "MsEd7_mon", "1998/07/20"};
    Edit MsEd7_bon{form_, "MsEd7_bon", "1998/12/20"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionManualPacks{form_, "CaptionManualPacks", "ﾏﾆｭｱﾙﾊﾟｯｸ"};
    Label CaptionBasicSettings{form_, "CaptionBasicSettings", "基本設定"};
    Label CaptionFromFile{form_, "CaptionFromFile", "ﾌｧｲﾙから"};
    Label CaptionNavigatorUse{form_, "CaptionNavigatorUse", "再計算ナビ活用"};
    Label CaptionReferenceDates{form_, "CaptionReferenceDates", "初回参考日"};
    Label CaptionReferenceLoan{form_, "CaptionReferenceLoan", "融資"};
    Label CaptionReferenceMonthly{form_, "CaptionReferenceMonthly", "月"};
    Label CaptionReferenceBonus{form_, "CaptionReferenceBonus", "ﾎﾞｰﾅｽ"};

    // ---- Page "複合編成": the composite tables ----
    Button Button28{form_, "Button28", "合成返済表"};
    Button Button29{form_, "Button29", "合成ﾎﾞｰﾅｽ返済表"};
    Button ButtonM_C{form_, "ButtonM_C", "コピー作業"};
    Button ButtonB_C{form_, "ButtonB_C", "コピー作業"};
    Button Button32{form_, "Button32", "ｶﾚﾝﾄ＋合成作業"};
    Button Button30{form_, "Button30", "合成月＋ﾎﾞｰﾅｽ合成作業"};
    Button Button138{form_, "Button138", "累積"};
    Button Button31{form_, "Button31", "消"};
    // How the year and month columns of copies and merges show a month number.
    Panel GrpHyouji{form_, "GrpHyouji", "月表示"};
    RadioButton RadioButton5{form_, "RadioButton5", "0(月目表示)"};
    RadioButton RadioButton6{form_, "RadioButton6", "12（暦月表示）"};
    // The composite monthly and bonus tables, and the work table of a merge.
    Grid StringGrid3{form_, "StringGrid3", 1, 21, 1, 1};
    Grid StringGrid4{form_, "StringGrid4", 1, 18, 1, 1};
    Grid StringGrid5{form_, "StringGrid5", 1, 21, 1, 1};
    // Components (head rows) of the composite monthly and bonus tables.
    int CompositeCountM = 0;
    int CompositeCountB = 0;
    // The composite tables as CSV text ("CSV化") and as text to print ("印刷").
    Button CSV3{form_, "CSV3", "CSV化"};
    Button CSV4{form_, "CSV4", "CSV化"};
    Button Button27{form_, "Button27", "印刷"};
    Button Button36{form_, "Button36", "印刷"};
    // The composite tables as numbers for a spreadsheet, saved at once (CSV or workbook).
    Button CSV3_suuti{form_, "CSV3_suuti", "表計算用（数値）"};
    Button CSV4_suuti{form_, "CSV4_suuti", "表計算用（数値）"};
    // The output panel: the memo those texts (and the comparison window's CSV) are made
    // in, saved, printed or put away from here.
    Panel Panel1{form_, "Panel1"};
    Memo RichEdit4{form_, "RichEdit4"};
    Button Button69{form_, "Button69", "保存"};
    Button Bt1_insatu{form_, "Bt1_insatu", "印刷"};
    Button Bt1_tojiru{form_, "Bt1_tojiru", "閉じる"};
    // The export dialog's choice: its filter (1 rich text, 2 CSV) and default extension.
    int ExportFilter = 1;
    std::string ExportExtension = "rtf";
    // The month shift of the current tables: the shift, and the era year and month it is
    // made of.
    Button Button43{form_, "Button43", "月回増減"};
    Panel Panel2{form_, "Panel2"};
    Edit Edit59{form_, "Edit59", "0"};
    Edit Edit60{form_, "Edit60", "10"};
    Label La2_nen{form_, "La2_nen", "年"};
    Edit Edit61{form_, "Edit61", "5"};
    Label La2_tuki{form_, "La2_tuki", "月"};
    Button Button44{form_, "Button44", "月実行"};
    Button Button71{form_, "Button71", "ﾎﾞ実行"};
    Button Bt2_tojiru{form_, "Bt2_tojiru", "閉じる"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionCompositeMonthly{form_, "CaptionCompositeMonthly", "月"};
    Label CaptionCompositeExport{form_, "CaptionCompositeExport", "合成"};
    Label CaptionOutput{form_, "CaptionOutput", "出力"};
    Label CaptionEra{form_, "CaptionEra", "平成"};
    Label CaptionMonthShift{form_, "CaptionMonthShift", "増減月数"};

    // ---- Routines: current tables, pack files, composite copies ----
    // The four folders of the program's files, each ending with a path separator.
    std::string dataFolder;
    std::string packListFolder;
    std::string exportFolder;
    std::string packFolder;
    // The pack file name the dialogs propose; the file last loaded.
    std::string proposed_pack_file;
    std::string last_loaded_pack_file;
    void Open_mpc(const std::string& path);
    void Open_mpc(const PackFile& pack);
    void Save_mpc(const std::string& path);
    void Button87Click(Control& sender);
    // "読込": a pack chosen in the open dialog into the current tables; false when the
    // dialog was cancelled or the file could not be read.
    bool load_pack_with_dialog();
    void Button88Click(Control& sender);
    void Button89Click(Control& sender);
    void Ed555DblClick(Control& sender);
    void Button146Click(Control& sender);
    void Button150Click(Control& sender);
    void ButtonMClick(Control& sender);
    void ButtonBClick(Control& sender);
    void Button26Click(Control& sender);
    // ---- Routines: the recalculation navigator ----
    void Button107Click(Control& sender);
    // A double click on the first-period labels: the bonus timing of the navigator's bonus
    // table compared with the main window's.
    void bonus_timing_dbl_click(Control& sender);
    void wire_navigator();
    void Button135Click(Control& sender);
    void prepayment_dialog_click(Control& sender);
    void Button151Click(Control& sender);
    void wire_bulk_changes();
    // Saves the current tables to the set-aside file "退避" in the data folder, and
    // reads them back.
    void save_aside();
    void restore_aside();
    // The lines last set aside, and the file as they left it: while the file is still that
    // one, reading it back would give these very lines, so they are taken from here.
    struct SetAside {
        std::vector<std::string> lines;
        FileStamp file;
    };
    std::optional<SetAside> set_aside_;
    void wire_tables();

    // ---- Routines: composite tables ----
    void Button28Click(Control& sender);
    void Button29Click(Control& sender);
    void ButtonM_CClick(Control& sender);
    void ButtonB_CClick(Control& sender);
    void Button32Click(Control& sender);
    void Button30Click(Control& sender);
    void Button138Click(Control& sender);
    void Button31Click(Control& sender);
    void Label_mClick(Control& sender);
    void Label_bClick(Control& sender);
    // The copy of a current table into an empty composite, with the set-aside file and
    // the fold around it ("コピー作業"), and without them.
    void copy_work(bool bonus);
    void copy_into_composite(bool bonus);
    // A current table merged into its composite.
    void merge_into_composite(bool bonus);
    // The label number of the next component: the selected slot, or `fallback`.
    int component_number(int fallback) const;
    // The month shift panel.
    void Button43Click(Control& sender);
    void shift_parts_change(Control& sender);
    void La2_nenClick(Control& sender);
    void shift_part_dbl_click(Control& sender);
    void La2_tukiClick(Control& sender);
    void La2_tukiRightClick(Control& sender);
    void Button44Click(Control& sender);
    void Button71Click(Control& sender);
    void Bt2_tojiruClick(Control& sender);
    void wire_composite();
    void place_composite_controls();
    void describe_composite_buttons();
    void set_up_composite_grids();
    void wire_composite_buttons();
    void wire_shift_panel();

    // ---- Routines: exports ----
    // "保存" of the monthly memo, the bonus memo and the output memo: the one export
    // dialog, then the memo as rich text or, in plain-text mode, as plain text.
    void memo_save_click(Control& sender);
    void save_memo(const Memo& memo, const std::string& path);
    void CSV3Click(Control& sender);
    void CSV4Click(Control& sender);
    void Button27Click(Control& sender);
    void Button36Click(Control& sender);
    void composite_csv_click(bool bonus);
    void composite_print_click(bool bonus);
    void Bt1_insatuClick(Control& sender);
    void Bt1_tojiruClick(Control& sender);
    void CSV3_suutiClick(Control& sender);
    void CSV4_suutiClick(Control& sender);
    // The composite exports are there only while their composite is.
    void follow_composites();
    // Asks for a file and saves the tables as numbers: an Excel workbook when the name ends
    // in ".xlsx", UTF-8 CSV otherwise. A failed write leaves an existing file as it was.
    void save_numeric(const std::vector<numeric::Table>& tables, const std::string& file_name);
    // Shows the output panel with the output memo emptied: in plain-text mode with the
    // dialog set to CSV, or in rich-text mode with the dialog set to rich text.
    void open_output_memo(bool csv);
    // The title line of an export: the title, the author, today's date.
    std::string export_title(const std::string& title);
    void wire_exports();
};

}  // namespace rebanto
