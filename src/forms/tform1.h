#pragma once
// The main window "Rebanto Ver7.7": owner of the loan inputs, the pages, the memos and
// the calculation settings. Controls are declared grouped by where they sit; the
// routines are defined in the folder of the subsystem they belong to.
#include <array>
#include <cstdint>
#include <string>

#include "base/money.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"

namespace rebanto {

class App;

class TForm1 : public Form {
public:
    explicit TForm1(App& app);

    // ---- Basic settings above the pages ----
    Label Label8{*this, "Label8", "ｽﾀｰﾄ総元金"};
    Edit Ed0_moto{*this, "Ed0_moto", "1000000"};
    Label Label19{*this, "Label19", "円内、"};
    Label Label17{*this, "Label17", "ｽﾀｰﾄ年金利"};
    Edit Ed0_kin{*this, "Ed0_kin", "2.325"};
    Label Label18{*this, "Label18", "％"};
    Label Label21{*this, "Label21", "返済期間"};
    Edit Ed0_nen{*this, "Ed0_nen", "10"};
    Label Label22{*this, "Label22", "年"};
    Edit Ed0_tuki{*this, "Ed0_tuki", "0"};
    Label Label23{*this, "Label23", "ヶ月"};
    Label Label9{*this, "Label9", "ﾎﾞｰﾅｽ分返済割合"};
    Edit Ed0_wari{*this, "Ed0_wari", "0"};
    Label Label10{*this, "Label10", "％"};

    // ---- Title, repayment method and calculation-setting indicators ----
    Label Label20{*this, "Label20", "元利均等返済"};
    Edit HHkkgg{*this, "HHkkgg", "0"};
    Button Button130{*this, "Button130", "変"};
    Edit HRh{*this, "HRh"};
    Edit HRr{*this, "HRr"};
    Edit FuriR{*this, "FuriR"};

    // Digit unit popup on the title label.
    MenuItem Kta9{*this, "Kta9", "10憶円単位　ｏｒ　100%単位"};
    MenuItem Kta8{*this, "Kta8", "一憶円単位　ｏｒ　１0%単位"};
    MenuItem Kta7{*this, "Kta7", "千万円単位　ｏｒ　1%単位"};
    MenuItem Kta6{*this, "Kta6", "百万円単位　ｏｒ　0.1%単位"};
    MenuItem Kta5{*this, "Kta5", "十万円単位　ｏｒ　0.01%単位"};
    MenuItem Kta4{*this, "Kta4", "１万円単位　ｏｒ　0.001%単位"};
    MenuItem Kta3{*this, "Kta3", "１千円単位　ｏｒ　0.0001%単位"};
    MenuItem Kta2{*this, "Kta2", "１百円単位　ｏｒ　0.00001%単位"};
    MenuItem Kta1{*this, "Kta1", "１十円単位　ｏｒ　0.000001%単位"};
    MenuItem Kta0{*this, "Kta0", "１円単位　　 ｏｒ　0.0000001%単位"};
    MenuItem KtaD{*this, "KtaD", "↓下の桁単位へ"};
    MenuItem KtaU{*this, "KtaU", "↑上の桁単位へ"};

    // Window scale.
    Button Button114{*this, "Button114", "1.25倍"};
    Button Button115{*this, "Button115", "0.8倍"};

    // ---- The settings panel (shown by a click on an indicator) ----
    Panel Panel5{*this, "Panel5"};
    Panel GrpKinto{*this, "GrpKinto", "計算均等額"};
    RadioButton RB11{*this, "RB11", "切り捨て"};
    RadioButton RB12{*this, "RB12", "四捨五入"};
    RadioButton RB13{*this, "RB13", "切り上げ"};
    Panel GrpRisoku{*this, "GrpRisoku", "計算利息額"};
    RadioButton RB21{*this, "RB21", "切り捨て"};
    RadioButton RB22{*this, "RB22", "四捨五入"};
    RadioButton RB23{*this, "RB23", "切り上げ"};
    Panel GrpFuri{*this, "GrpFuri", "付利単位"};
    RadioButton Furi10000{*this, "Furi10000", "10000円"};
    RadioButton Furi1000{*this, "Furi1000", "1000円"};
    RadioButton Furi100{*this, "Furi100", "100円"};
    RadioButton Furi10{*this, "Furi10", "10円"};
    RadioButton Furi1{*this, "Furi1", "1円"};
    Button Button106{*this, "Button106", "閉じる"};
    Button Button147{*this, "Button147", "設定再計算"};

    // ---- Page control and pages, in tab order ----
    PageControl PageControl1{*this, "PageControl1"};
    Panel TabSheet2{*this, "TabSheet2", "一括表"};
    Panel TabSheet1{*this, "TabSheet1", "個別返済額算定"};
    Panel TabSheet3{*this, "TabSheet3", "ﾒﾓ(月返済)"};
    Panel TabSheet4{*this, "TabSheet4", "(ﾎﾞｰﾅｽ返済)"};
    Panel TabSheet7{*this, "TabSheet7", "複合編成"};
    Panel TabSheet8{*this, "TabSheet8", "編成一括"};
    Panel TabSheet5{*this, "TabSheet5", "設定"};
    Panel TabSheet6{*this, "TabSheet6", "解説"};

    // ---- Page "個別返済額算定": step fields, monthly part | bonus part ----
    Label Label4{*this, "Label4", "元金(円)"};
    Edit Edit1{*this, "Edit1", "1000000"};
    Edit Edit6{*this, "Edit6", "0"};
    Label Label185{*this, "Label185", "50万"};
    Label Label1{*this, "Label1", "年金利(％)"};
    Edit Edit2{*this, "Edit2", "2.625"};
    Label Label192{*this, "Label192", "元金(円)"};
    Edit Edit31{*this, "Edit31"};
    Label LabelZan{*this, "LabelZan", "残返済回数"};
    Edit Ed1_Mzankaisu{*this, "Ed1_Mzankaisu", "6"};
    Edit Ed1_Bzankaisu{*this, "Ed1_Bzankaisu", "1"};
    Label Label3{*this, "Label3", "均等返済額"};
    Edit Edit4{*this, "Edit4", "0"};
    Edit Edit9{*this, "Edit9", "0"};
    Button Button4{*this, "Button4", "↓"};
    Label Label125{*this, "Label125", "通常均等返済額"};
    Label Label214{*this, "Label214", "回"};
    Edit Edit13{*this, "Edit13", "6"};
    Label Label215{*this, "Label215", "回"};
    Edit Edit14{*this, "Edit14", "1"};
    Label LabelRisoku{*this, "LabelRisoku", "返済利息小計"};
    Edit Edit15{*this, "Edit15", "0"};
    Edit Edit17{*this, "Edit17", "0"};
    Label LabelGankin{*this, "LabelGankin", "返済元金小計"};
    Edit Edit16{*this, "Edit16", "0"};
    Edit Edit18{*this, "Edit18", "0"};
    Label Label15{*this, "Label15", "当期最終回利息内訳"};
    Edit Edit21{*this, "Edit21", "0"};
    Edit Edit22{*this, "Edit22", "0"};
    Label LabelZandaka{*this, "LabelZandaka", "元金残"};
    Edit Edit5{*this, "Edit5", "0"};
    Edit Edit10{*this, "Edit10", "0"};
    Label LabelGaisan{*this, "LabelGaisan", "概算返済総残額"};
    Edit Edit19{*this, "Edit19", "0"};
    Edit Edit20{*this, "Edit20", "0"};
    // Copies of the principal and instalment fields shown on other pages.
    Edit Edit101{*this, "Edit101", "1000000"};
    Edit Edit106{*this, "Edit106", "0"};
    Edit Edit104{*this, "Edit104", "0"};
    Edit Edit109{*this, "Edit109", "0"};
    Edit Edit104s{*this, "Edit104s", "0"};
    Edit Edit109s{*this, "Edit109s", "0"};

    // ---- Step length and progress ----
    Label Label16{*this, "Label16", "返済回シミュレーション（1期分）"};
    Label Label11{*this, "Label11", "1期分計算対象"};
    Edit Ed1_yy5{*this, "Ed1_yy5", "0"};
    Label Label24{*this, "Label24", "年"};
    Edit Ed1_mm5{*this, "Ed1_mm5", "6"};
    Label Label25{*this, "Label25", "ヶ月間の返済"};
    Label Label31{*this, "Label31", "回分　"};
    Label Label32{*this, "Label32", "回分"};
    Label LabelKeika{*this, "LabelKeika", "経過"};
    Label LabK1{*this, "LabK1", "0"};
    Edit Ed1_yy1{*this, "Ed1_yy1", "0"};
    Edit Ed1_mm1{*this, "Ed1_mm1", "0"};
    Label LabelMade{*this, "LabelMade", "当期末"};
    Label LabK9{*this, "LabK9", "6"};
    Edit Ed1_yy9{*this, "Ed1_yy9", "0"};
    Edit Ed1_mm9{*this, "Ed1_mm9", "6"};
    Label LabelNokori{*this, "LabelNokori", "残月数"};
    Label LabK0{*this, "LabK0", "0"};
    Label LabK1_b{*this, "LabK1_b", "0"};
    Label LabK9_b{*this, "LabK9_b", "0"};
    TrackBar TrackBar2{*this, "TrackBar2"};
    Label Label196{*this, "Label196"};
    // Bonus timing: the tags hold the interval and the first-bonus months.
    Button Button140{*this, "Button140", "ﾎﾞｰﾅｽ第2返済化"};
    Label Label187{*this, "Label187", "第1回=6ヶ月分"};

    // ---- One-payment options (day interest, principal first) ----
    Button But_mHiri{*this, "But_mHiri", "日利"};
    Panel Panel7{*this, "Panel7"};
    RadioButton RadioButton3{*this, "RadioButton3", "通常月利"};
    RadioButton RadioButton4{*this, "RadioButton4", "日利"};
    Edit Edit28{*this, "Edit28", "30"};
    Label Label206{*this, "Label206"};
    Button But_mDainyu{*this, "But_mDainyu", "設定"};
    Button Button139{*this, "Button139", "元入優先"};
    Edit Edit30{*this, "Edit30", "0"};
    Button But_bHiri{*this, "But_bHiri", "日利"};
    Panel Panel8{*this, "Panel8"};
    RadioButton RadioButton11{*this, "RadioButton11", "通常6ヶ月利"};
    RadioButton RadioButton12{*this, "RadioButton12", "日利"};
    Edit Edit29{*this, "Edit29", "182"};
    Button But_bDainyu{*this, "But_bDainyu", "設定"};
    Button Button144{*this, "Button144", "元入優先"};
    Edit Edit34{*this, "Edit34", "0"};

    // ---- Intermediate prepayment (内入) ----
    Button Button46{*this, "Button46", "内入"};
    Panel PanelUchi{*this, "PanelUchi"};
    Edit Edit33{*this, "Edit33", "0"};
    Edit Edit43{*this, "Edit43", "0"};
    Label La_Uchi{*this, "La_Uchi", "同時"};
    Edit Ed_Uchi{*this, "Ed_Uchi"};
    Edit Edit27{*this, "Edit27", "0"};
    Edit Edit23{*this, "Edit23", "0"};
    Edit Edit24{*this, "Edit24", "0"};
    Edit Edit25{*this, "Edit25", "0"};
    Edit Edit26{*this, "Edit26", "0"};
    Button ButUGaku{*this, "ButUGaku", "←設定→"};

    // ---- Commit and multi-step runs ----
    Button Button1{*this, "Button1", "メモ記載"};
    Button Button19{*this, "Button19", "5期分"};
    Button Button20{*this, "Button20", "10期分"};
    Button Button76{*this, "Button76", "期分"};
    Edit Edit80{*this, "Edit80", "12"};
    Button Button18{*this, "Button18", "最後まで"};
    Button Button21{*this, "Button21", "直前"};
    CheckBox CBallway{*this, "CBallway", "常時"};
    Button Button110{*this, "Button110", "M"};
    Button Button111{*this, "Button111", "MR"};
    Button Button15{*this, "Button15", "合計記入"};
    // Popup menu of the page.
    MenuItem N5kibun{*this, "N5kibun", "－－5期分"};
    MenuItem N10kibun{*this, "N10kibun", "－－10期"};
    MenuItem NShiteiKibun{*this, "NShiteiKibun", "－－(指定) 期分"};
    MenuItem NSaigo{*this, "NSaigo", "－－最後まで"};
    MenuItem NMemoKisai{*this, "NMemoKisai", "－－メモ記載"};

    // ---- Page "ﾒﾓ(月返済)" and "(ﾎﾞｰﾅｽ返済)" ----
    Memo RichEdit1{*this, "RichEdit1"};
    Memo RichEdit2{*this, "RichEdit2"};
    Button Bt7_MClear{*this, "Bt7_MClear", "消"};
    Button Button48{*this, "Button48", "消"};
    Button Bt7_BClear{*this, "Bt7_BClear", "消"};
    Button Button49{*this, "Button49", "消"};
    Button Bt0_allClear{*this, "Bt0_allClear", "メモクリアー"};
    Label Label_cl{*this, "Label_cl", "メモクリアー済"};
    Label Label_mem{*this, "Label_mem", "メモ"};
    Label Label_m{*this, "Label_m", "→ｶﾚﾝﾄ月返済表"};
    Label Label_b{*this, "Label_b", "→ｶﾚﾝﾄﾎﾞｰﾅｽ返済表"};
    Button Button6{*this, "Button6", "メモ帯"};
    Button Button2{*this, "Button2", "選択フォント設定"};
    Button Button7{*this, "Button7", "選択フォント設定"};
    Button Button40{*this, "Button40", "初期ﾌｫﾝﾄ"};
    Button Button41{*this, "Button41", "初期ﾌｫﾝﾄ"};
    Button Button5{*this, "Button5", "印刷"};
    Button Button8{*this, "Button8", "印刷"};
    TrackBar UpDown1{*this, "UpDown1"};
    TrackBar UpDown2{*this, "UpDown2"};

    // ---- Page "一括表" (the parts the calculation reads) ----
    Button Button67{*this, "Button67", "ﾎﾞｰﾅｽ"};
    Edit Edit42{*this, "Edit42", "6"};

    // ---- Page "編成一括" ----
    // Months before the first payment, as the lender's schedule counts them.
    Edit Edit35{*this, "Edit35", "6"};

    // ---- Page "設定" ----
    Button Button86{*this, "Button86", "音有"};
    Edit Ed5_memoobi{*this, "Ed5_memoobi"};
    Edit Edit46{*this, "Edit46", "未記入無名"};
    // The work-name log: what built the current tables.
    Edit Ed555{*this, "Ed555", "_New"};

    // ---- Page "解説" ----
    Memo RichEdit3{*this, "RichEdit3"};

    // ---- Status bar ----
    Label StatusBar1{*this, "StatusBar1"};

    // ---- Digit unit of the quick-entry gestures ----
    Money AmountStep = Money::from_yen(1'000'000);
    long double RateStep = 0.1L;

    // ---- Routines: calculation settings and units ----
    void HRhClick(Control& sender);
    void RB11Click(Control& sender);
    void RB21Click(Control& sender);
    void Furi100Click(Control& sender);
    void Button106Click(Control& sender);
    void Button147Click(Control& sender);
    void Button130Click(Control& sender);
    void HHkkggChange(Control& sender);
    void KtaClick(Control& sender);
    void Button114Click(Control& sender);
    void Button115Click(Control& sender);
    void recolour_indicators();
    void refresh_step_hints();

    // ---- State of the loan run (months counted from the start of the loan) ----
    struct RunningTotals {
        Money interest;
        Money principal;
        Money paid;
    };
    int TotalMonths = 0;
    int ElapsedMonths = 0;
    int StepMonths = 6;
    int StepEndMonth = 6;
    int RemainingMonths = 0;
    RunningTotals TotalsM;
    RunningTotals TotalsB;
    Money NextPrincipalM;
    Money NextPrincipalB;
    std::string LastInstalmentTextM = "0";
    std::string LastInstalmentTextB = "0";
    std::array<std::string, 6> BasicSettingsMemory;
    // The step length chosen before the last step shrank to the end of the term.
    int StepMonthsBeforeTermEnd = 0;

    // ---- Routines: the one-period calculation ----
    void PRset1(Control& sender);
    void recalc_m();
    void recalc_b();
    void But_mDainyuClick(Control& sender);
    void But_bDainyuClick(Control& sender);
    void count_bonus_in_step();
    void commit_m();
    void commit_b();
    void advance_step();
    void Ed1_mm5Change(Control& sender);
    void remaining_count_change(Control& sender);
    void Button4Click(Control& sender);
    void ki_bun(int steps);
    void Button1Click(Control& sender);
    void Button19Click(Control& sender);
    void Button20Click(Control& sender);
    void Button76Click(Control& sender);
    void Button18Click(Control& sender);
    void Button21Click(Control& sender);
    void Button110Click(Control& sender);
    void Button111Click(Control& sender);
    void refresh_money_overlays();
    void refresh_progress();
    void TrackBar2Change(Control& sender);
    void Button1MouseOver(Control& sender);

    // One-payment options and the intermediate prepayment.
    void But_mHiriClick(Control& sender);
    void But_bHiriClick(Control& sender);
    void RadioButton3Click(Control& sender);
    void RadioButton11Click(Control& sender);
    void Button139Click(Control& sender);
    void Button144Click(Control& sender);
    void Button46Click(Control& sender);
    void La_UchiClick(Control& sender);
    void La_UchiDblClick(Control& sender);
    void ButUGakuClick(Control& sender);
    void Edit5DblClick(Control& sender);
    void update_gap_interest();
    void Edit33Change(Control& sender) {
        (void)sender;
        update_gap_interest();
    }

    // ---- Routines: quick-entry gestures ----
    // Clicks, right clicks and double clicks on the labels and fields of the basic
    // settings, the step fields and the step length; the sender tells which control.
    void basic_setting_click(Control& sender);
    void basic_setting_right_click(Control& sender);
    void basic_setting_dbl_click(Control& sender);
    void step_field_click(Control& sender);
    void step_field_right_click(Control& sender);
    void step_field_dbl_click(Control& sender);
    void step_length_click(Control& sender);
    void step_length_right_click(Control& sender);
    void step_length_dbl_click(Control& sender);

private:
    // Writes both step-length fields, then runs the step routine once.
    void set_step_length(int years, int months);
    void set_step_to_whole_term();
    // A term of 500 years or more after a gesture on the term becomes one year.
    void limit_term_years();
    // Bonus share moved between the two parts with the total principal kept.
    void set_bonus_principal(Money bonus, Money total);
    // The preset rates offered by the settings page.
    std::string bank_rate_text() const;
    std::string corporation_base_rate_text() const;

public:
    // Quick-entry gestures and the key filter of numeric fields.
    void numeric_key_filter(Control& sender, char32_t& key);

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

    // ---- Routines: second repayment ----
    void Button140Click(Control& sender);
    void Label187Click(Control& sender);
    void Label187RightClick(Control& sender);
    void wire_second_repayment();

    // ---- Seams for the subsystems that are not built yet ----
    // Corrects the running totals for the first payment's day interest.
    void first_payment_totals_correction();
    // Recomputes the first-payment reference after a table is cleared.
    void first_payment_reference();
    // Opens the rate selection list beside a rate field.
    void open_rate_list(Control& field);
    // The variable-rate list starts at the loan's rate.
    void set_rate_list_start(const std::string& rate);
    // Whether the comparison window wants its row selection kept after a commit.
    bool compare_keeps_selection();
    // Enables the operations that need a current table (view, save, navigator, copy).
    void enable_table_operations(bool on);
    // Equal principal has no eased plans: only the normal plan stays selectable.
    void select_normal_plan_only();
    // Offers the stored basic settings ("MR") in the recalculation navigator too.
    void enable_navigator_recall(bool on);

    // Stored settings read by every calculation.
    int instalment_rounding() const { return static_cast<int>(HRh.tag()); }
    int interest_rounding() const { return static_cast<int>(HRr.tag()); }
    std::int64_t accrual_unit() const { return FuriR.tag(); }
    bool equal_principal() const { return HHkkgg.tag() == 1; }
    int bonus_interval() const { return static_cast<int>(Button140.tag()); }
    int bonus_first_months() const { return static_cast<int>(Label187.tag()); }

    // Warning and completion beeps sound only with the sound setting on.
    bool sound_on() const { return Button86.tag() == 1; }
    void beep(Beep kind);

    // Start-up steps of the main window that need the other windows to exist.
    void start_up();

    App& app() { return app_; }

private:
    // Wraps a routine as an event handler: a text that is not a number stops it with a
    // beep, any other failure with a message; nothing escapes into the toolkit.
    Handler guard(void (TForm1::*routine)(Control&));
    void wire_settings_panel();
    void wire_calculation();
    void wire_gestures();
    void wire_memo_pages();
    // The parts of PRset1, in the order it runs them.
    bool validate_inputs();
    bool reset_progress();
    bool sync_principal(Control& sender);
    void commit_step();
    void restore_step_after_term_end();
    void scale_window(long double factor);

    App& app_;
};

}  // namespace rebanto
