#pragma once
// "再計算ナビゲーター": editable copies of the current monthly and bonus tables (the control
// tables), replayed row by row through the main window's one-period calculation after the
// user has changed rates, instalments, counts or special rows. The routines live in
// src/navigator.
#include <functional>
#include <memory>
#include <string>

#include "base/money.h"
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

namespace navigator {
struct ReplayState;
class RowReader;
struct RowEntry;
struct TableKind;
}  // namespace navigator

class App;

// Which tables a replay rebuilds and how far.
enum class ReplayEnd { SelectedRow, LastRow };

class TForm4 : public Form {
public:
    explicit TForm4(App& app);
    ~TForm4() override;

    // ---- Table choice and replay ----
    Panel GroupBox2{*this, "GroupBox2"};
    RadioButton RadioButton1{*this, "RadioButton1", "ｶﾚﾝﾄ月"};
    RadioButton RadioButton2{*this, "RadioButton2", "ｶﾚﾝﾄﾎﾞｰﾅｽ"};
    Button Button1{*this, "Button1", "選択行まで再計算"};
    Button Button8{*this, "Button8", "最終行迄一気"};
    Button Button9{*this, "Button9", "両表最終"};
    CheckBox CheckBox1{*this, "CheckBox1", "均等額下表で全不変on 計算off"};
    Label Label1{*this, "Label1", "ただし、月回"};
    Edit Edit6{*this, "Edit6", "0"};
    Label Label2{*this, "Label2", "まで不変"};
    CheckBox CheckBox2{*this, "CheckBox2", "続行"};
    Label Label11{*this, "Label11", "補正無"};
    CheckBox CheckBox4{*this, "CheckBox4", "月目"};

    // ---- Values written into the selected row ----
    Label Label5{*this, "Label5", "年金利"};
    Edit Edit1{*this, "Edit1"};
    Label Label6{*this, "Label6", "支払回数"};
    Edit Edit2{*this, "Edit2"};
    Label Label7{*this, "Label7", "均等返済額"};
    Edit Edit3{*this, "Edit3"};
    Label Label8{*this, "Label8", "1期回数"};
    Edit Edit4{*this, "Edit4"};
    Label Label9{*this, "Label9", "月回"};
    Edit Edit7{*this, "Edit7", "0"};
    Button Button3{*this, "Button3", "▼"};
    Button Button2{*this, "Button2", "▲"};
    Button Button11{*this, "Button11", "最後まで▼リピート"};
    Button Button12{*this, "Button12", "先頭まで▲リピート"};
    Button Button29{*this, "Button29", "残回数"};
    Button Button13{*this, "Button13", "１行試算表示"};
    Button Button110{*this, "Button110", "M"};
    Button Button111{*this, "Button111", "MR"};
    TrackBar UpDown1{*this, "UpDown1"};

    // ---- Row editing ----
    Button Button4{*this, "Button4", "合計記入行挿入"};
    Button Button5{*this, "Button5", "内入行挿入"};
    Label Label10{*this, "Label10", "内入額"};
    Edit Edit5{*this, "Edit5"};
    Label La_Uchi{*this, "La_Uchi", "同時"};
    Edit Ed_Uchi{*this, "Ed_Uchi"};
    Button Button7{*this, "Button7", "行削除"};
    Button Button10{*this, "Button10", "行挿入"};
    Button Button14{*this, "Button14", "短縮行補充"};
    Button Button21{*this, "Button21", "境目設定"};
    Label Label27{*this, "Label27", "●"};

    // ---- The rate change inside a period ("境目") ----
    Panel GroupBox1{*this, "GroupBox1", "金利変更境目詳細設定"};
    Label Label22{*this, "Label22", "％"};
    Label Label23{*this, "Label23", "％"};
    Label Label12{*this, "Label12", "変更前"};
    Label Label13{*this, "Label13", "変更後"};
    RadioButton RadioButton5{*this, "RadioButton5", "日割配分方式"};
    RadioButton RadioButton6{*this, "RadioButton6", "月割配分方式"};
    Edit Edit15{*this, "Edit15", "0"};
    TrackBar UpDown2{*this, "UpDown2"};
    Edit Edit16{*this, "Edit16", "0"};
    Label Label14{*this, "Label14", "ヶ月前"};
    Label Label15{*this, "Label15", "ヶ月後"};
    Edit MsE1{*this, "MsE1", "2001/06/20"};
    Edit MsE2{*this, "MsE2", "2001/06/20"};
    Edit MsE3{*this, "MsE3", "2001/06/20"};
    Label Label16{*this, "Label16", "期間開始"};
    Label Label17{*this, "Label17", "変更日"};
    Label Label18{*this, "Label18", "期間終了"};
    Edit Edit12{*this, "Edit12", "0"};
    Edit Edit13{*this, "Edit13", "181"};
    Edit Edit14{*this, "Edit14", "181"};
    Label Label19{*this, "Label19", "日前"};
    Label Label20{*this, "Label20", "日後"};
    Label Label21{*this, "Label21", "日間"};
    Label Label24{*this, "Label24", "換算金利"};
    Edit Edit17{*this, "Edit17", "3.0"};
    Label Label25{*this, "Label25", "％"};
    Edit Edit9{*this, "Edit9", "5"};
    Label Label28{*this, "Label28", "桁"};
    Label Label26{*this, "Label26", "復元金利"};
    Edit motomoto{*this, "motomoto"};
    CheckBox CheckBox5{*this, "CheckBox5", "元入優先"};
    Button keisan{*this, "keisan", "計算"};
    Button Button23{*this, "Button23", "適用終了"};
    Button Button22{*this, "Button22", "取消・復元"};
    Button Button25{*this, "Button25", "閉"};

    // ---- Daily interest for one instalment, and for the whole table ----
    Panel Panel1{*this, "Panel1"};
    RadioButton RadioButton3{*this, "RadioButton3", "通常"};
    RadioButton RadioButton4{*this, "RadioButton4", "日利"};
    Edit Edit8{*this, "Edit8", "30"};
    Label Label3{*this, "Label3", "日"};
    CheckBox CheckBox3{*this, "CheckBox3", "元入優先"};
    Button But_mDainyu{*this, "But_mDainyu", "設定"};
    Button Button15{*this, "Button15", "全域"};
    Button Button24{*this, "Button24", "閉"};
    Panel Panel2{*this, "Panel2"};
    Button Button16{*this, "Button16", "全域設定"};
    Button Button17{*this, "Button17", "全域解除"};
    Button Button18{*this, "Button18", "閉"};

    // ---- Bonus correction and the prepayment-rate study ----
    Button Button26{*this, "Button26", "■ﾎﾞｰﾅｽ補正の自動　適用■"};
    Button Button27{*this, "Button27", "■ﾎﾞｰﾅｽ補正の自動　取消・復元■"};
    Button Button28{*this, "Button28", "ﾎﾞｰﾅｽ補正"};
    Button Button19{*this, "Button19", "元化→"};
    Button Button20{*this, "Button20", "新化→"};
    Button Button143{*this, "Button143", "繰金ナビ"};

    // ---- The control tables ----
    Grid StringGrid1{*this, "StringGrid1", 2, 14, 1, 3};  // monthly
    Grid StringGrid2{*this, "StringGrid2", 2, 14, 1, 3};  // bonus

    Label StatusBar1{*this, "StatusBar1"};

    // ---- State kept between operations ----
    // Month number of the first row of each control table at the last replay.
    long long navi_tuki_m = 0;
    long long navi_tuki_b = 0;
    // First-payment differences found during a replay (zero when there is none).
    Money navi_sa_m;
    Money navi_sa_b;
    // The loan date and first payment dates in force when the navigator was opened.
    std::string hozon_yusi;
    std::string hozon_mon;
    std::string hozon_bon;
    // The boundary group: rows back to the previous plain row and forward to the next, the
    // row it was opened for, and that row's flag when it was opened (for "閉").
    int BoundaryBack = 1;
    int BoundaryForward = 1;
    int BoundaryRow = -1;
    bool BoundaryInBonus = false;
    std::string BoundaryKeptFlag;

    // ---- Routines: opening and the table worked on (navigator/opening.cpp) ----
    // Shows the window and copies the current tables into the control tables.
    void open_from_current_tables();
    bool bonus_chosen() const { return RadioButton2.checked(); }
    Grid& table() { return bonus_chosen() ? StringGrid2 : StringGrid1; }
    RadioButton& table_radio() { return bonus_chosen() ? RadioButton2 : RadioButton1; }
    void RadioButton1Click(Control& sender);
    // Editing a table turns its radio button into "月制御表" / "ﾎﾞｰﾅｽ制御表" and leaves one
    // fixed column.
    void mark_table_edited();
    void window_dbl_click();
    // Ticks "月目" as the tables say, without the marker rewrite a user's click does.
    void show_month_counts(bool on);

    // ---- Routines: the replay (navigator/replay.cpp) ----
    void Button1Click(Control& sender);
    void Button8Click(Control& sender);
    void Button9Click(Control& sender);
    // Replays the table worked on from row 2 to the selected or the last row. False when a
    // cell stopped it (everything was put back as it was before).
    bool replay(ReplayEnd end);
    // The bonus timing a bonus control table was built with, compared with the main
    // window's; asks which to keep when they differ.
    void check_bonus_timing();
    bool replay_running() const { return replay_running_; }
    // Why a replay last stopped and put the tables back; empty when none has since the
    // caller cleared it. The status bar also carries the notes of replays that ran through
    // (a prepayment dropped or capped), which are no stop.
    std::string ReplayStopReason;

    // ---- Routines: values written into rows (navigator/entry.cpp) ----
    void Button3Click(Control& sender);
    void Button2Click(Control& sender);
    void Button11Click(Control& sender);
    void Button12Click(Control& sender);
    void Edit1DblClick(Control& sender);
    void Edit2DblClick(Control& sender);
    void Edit3DblClick(Control& sender);
    void Edit4DblClick(Control& sender);
    void Edit6DblClick(Control& sender);
    void Edit1RightClick(Control& sender);
    void Edit4Change(Control& sender);
    void Button29Click(Control& sender);
    void Button13Click(Control& sender);
    void Button110Click(Control& sender);
    void Button111Click(Control& sender);
    void UpDown1Change(Control& sender);
    void numeric_key_filter(Control& sender, char32_t& key);

    // ---- Routines: row editing (navigator/editing.cpp) ----
    void Button4Click(Control& sender);
    void Button5Click(Control& sender);
    void Button7Click(Control& sender);
    void Button10Click(Control& sender);
    void Button14Click(Control& sender);
    void StringGridClick(Control& sender);
    void StringGridDblClick(Control& sender);
    void La_UchiClick(Control& sender);
    void La_UchiDblClick(Control& sender);
    void La_UchiRightClick(Control& sender);
    void Ed_UchiDblClick(Control& sender);
    void Ed_UchiKey(Control& sender, char32_t& key);
    void Label11Click(Control& sender);
    void CheckBox4Click(Control& sender);
    // The first-payment correction switch, set from code (the main window's "初回").
    void set_correction(bool on);

    // ---- Routines: the boundary group and converted rates (navigator/boundary_group.cpp) --
    void Button21Click(Control& sender);
    bool open_boundary_group();
    void Button23Click(Control& sender);
    void Button22Click(Control& sender);
    void Button25Click(Control& sender);
    void keisanClick(Control& sender);
    void Label28Click(Control& sender);
    void Label28RightClick(Control& sender);
    void Label25Click(Control& sender);
    void Label25RightClick(Control& sender);
    void AllocationClick(Control& sender);
    void UpDown2Change(Control& sender);
    void boundary_date_change(Control& sender);
    void boundary_date_dbl_click(Control& sender);
    void boundary_date_right_click(Control& sender);
    void refresh_boundary_lamp();
    // The flag "適用終了" writes from the group's fields.
    std::string boundary_flag_from_group() const;

    // ---- Routines: daily interest (navigator/daily_interest.cpp) ----
    void DailyKindClick(Control& sender);
    void But_mDainyuClick(Control& sender);
    void Panel1Click(Control& sender);
    void Button15Click(Control& sender);
    void Button24Click(Control& sender);
    void Button16Click(Control& sender);
    void Button17Click(Control& sender);
    void Button18Click(Control& sender);

    // ---- Routines: the automatic bonus correction (navigator/bonus_correction.cpp) ----
    // Weighted rates on the bonus rows whose period holds a monthly rate change (apply),
    // or those rows put back (cancel); each replays the bonus table when it handled a row.
    // Returns the number of bonus rows handled.
    int bonus_correction_pass(bool apply, bool tell_when_none = true);
    void Button26Click(Control& sender);
    void Button27Click(Control& sender);
    void Button28Click(Control& sender);

    // ---- Seams for the prepayment-rate study window ----
    void Button19Click(Control& sender);
    void Button20Click(Control& sender);
    void Button143Click(Control& sender);

    App& app() { return app_; }

private:
    Handler guard(void (TForm4::*routine)(Control&), FailureRule rule = FailureRule::Window);
    void wire();
    void wire_boundary_group();
    void wire_daily_interest();
    void wire_replay();
    void wire_row_entry();
    void wire_row_editing();
    void wire_bonus_correction();
    void copy_current_table(bool bonus);
    // The entry fields as a row entry, and back.
    struct EntryFields;
    void step_selected_row(bool down);
    void enter_rows(
        const std::function<int(Grid&, int, navigator::RowEntry&, navigator::TableKind)>& step);
    void select_row(Grid& grid, int row);
    void opening_boundary(int row);
    void recompute_converted_rate();
    Grid& boundary_table();
    void close_boundary_group();
    void enable_allocation_fields();
    void warn_first_row_daily(int row);
    // The main window's fields of the part a replay rebuilds.
    struct ReplayPart;
    void prepare_replay(bool bonus, const ReplayPart& part);
    ReplayPart replay_part(bool bonus);
    void replay_table(bool bonus, bool active, int last);
    void replay_first_difference(bool bonus, const ReplayPart& part,
                                 const navigator::RowReader& row);
    void replay_rows(bool bonus, const ReplayPart& part, int last);
    void replay_totals_row(bool bonus, const ReplayPart& part, int r, bool paid_off);
    void load_prepayment_row(const ReplayPart& part, const navigator::RowReader& row, int r);
    void load_row_inputs(bool bonus, const ReplayPart& part, const navigator::RowReader& row,
                         int r);
    bool apply_row_flag(bool bonus, const ReplayPart& part, const navigator::RowReader& row, int r,
                        const std::string& flag);
    void put_instalment(const ReplayPart& part, const navigator::RowReader& row, int r, int col);
    void commit_replayed_row(bool bonus, const ReplayPart& part, int r, const std::string& flag,
                             bool& paid_off, std::vector<std::string>& notes);
    void finish_table(const ReplayPart& part);
    // The steps of the automatic bonus correction.
    struct BonusCorrection;
    void correct_bonus_period(BonusCorrection& pass, const std::string& rate_before,
                              long long last_old_month);
    bool weigh_bonus_row(BonusCorrection& pass, long long months_before);
    bool replay_running_ = false;
    // What a replay would put back if it stopped, kept between replays so that taking it
    // again reuses the room of the last one.
    std::unique_ptr<navigator::ReplayState> replay_before_;
    bool converted_rate_busy_ = false;
    bool month_display_quiet_ = false;
    App& app_;
};

}  // namespace rebanto
