#pragma once
// The page "個別返済額算定" of the main window: the step fields of the monthly and
// the bonus part, the step length, the one-payment options, the commit of a step and the
// runs of many steps, with the state of the loan run they advance.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
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

class CalculationPage : public MainPage {
public:
    explicit CalculationPage(TForm1& main) : MainPage(main) {}

    // ---- Page "個別返済額算定": step fields, monthly part | bonus part ----
    Label Label4{form_, "Label4", "元金(円)"};
    Edit Edit1{form_, "Edit1", "1000000"};
    Edit Edit6{form_, "Edit6", "0"};
    Label Label185{form_, "Label185", "50万"};
    Label Label1{form_, "Label1", "年金利(％)"};
    Edit Edit2{form_, "Edit2", "2.625"};
    Label Label192{form_, "Label192", "元金(円)"};
    Edit Edit31{form_, "Edit31"};
    Label LabelZan{form_, "LabelZan", "残返済回数"};
    Edit Ed1_Mzankaisu{form_, "Ed1_Mzankaisu", "6"};
    Edit Ed1_Bzankaisu{form_, "Ed1_Bzankaisu", "1"};
    Label Label3{form_, "Label3", "均等返済額"};
    Edit Edit4{form_, "Edit4", "0"};
    Edit Edit9{form_, "Edit9", "0"};
    Button Button4{form_, "Button4", "↓"};
    Label Label125{form_, "Label125", "通常均等返済額"};
    Label Label214{form_, "Label214", "回"};
    Edit Edit13{form_, "Edit13", "6"};
    Label Label215{form_, "Label215", "回"};
    Edit Edit14{form_, "Edit14", "1"};
    Label LabelRisoku{form_, "LabelRisoku", "返済利息小計"};
    Edit Edit15{form_, "Edit15", "0"};
    Edit Edit17{form_, "Edit17", "0"};
    Label LabelGankin{form_, "LabelGankin", "返済元金小計"};
    Edit Edit16{form_, "Edit16", "0"};
    Edit Edit18{form_, "Edit18", "0"};
    Label Label15{form_, "Label15", "当期最終回利息内訳"};
    Edit Edit21{form_, "Edit21", "0"};
    Edit Edit22{form_, "Edit22", "0"};
    Label LabelZandaka{form_, "LabelZandaka", "元金残"};
    Edit Edit5{form_, "Edit5", "0"};
    Edit Edit10{form_, "Edit10", "0"};
    Label LabelGaisan{form_, "LabelGaisan", "概算返済総残額"};
    Edit Edit19{form_, "Edit19", "0"};
    Edit Edit20{form_, "Edit20", "0"};
    // The first payment's day counter (group "初回返済の差額計算"): the loan date, the
    // start of a regular first period, the first payment date, the days between the first
    // two and their interest. Label6 and Label7 open it for the monthly or bonus part.
    Label Label6{form_, "Label6", "毎月返済(初回返済1ヶ月後)"};
    Label Label7{form_, "Label7", "ボーナス返済（返済6ヶ月間隔）"};
    Panel GrpSyokai{form_, "GrpSyokai", "初回返済の差額計算"};
    Edit MsEd1_yusi{form_, "MsEd1_yusi", "1998/08/03"};
    Label La1_yotei{form_, "La1_yotei", "毎月返済で丸1ヶ月前の翌日"};
    Edit MsEd1_yotei{form_, "MsEd1_yotei", "1998/08/03"};
    Edit MsEd1_syokai{form_, "MsEd1_syokai", "1998/08/03"};
    Edit Ed1_nichi{form_, "Ed1_nichi", "0"};
    Edit Ed1_hiwarikingaku{form_, "Ed1_hiwarikingaku", "0"};
    // Copies of the principal and instalment fields shown on other pages.
    Edit Edit101{form_, "Edit101", "1000000"};
    Edit Edit106{form_, "Edit106", "0"};
    Edit Edit104{form_, "Edit104", "0"};
    Edit Edit109{form_, "Edit109", "0"};
    Edit Edit104s{form_, "Edit104s", "0"};
    Edit Edit109s{form_, "Edit109s", "0"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionStepMonthlyHeader{form_, "CaptionStepMonthlyHeader", "月返済"};
    // Follows the second stream's name (Button67) where a caption names its payments.
    Label CaptionRepaymentSuffix{form_, "CaptionRepaymentSuffix", "返済"};
    Label CaptionRateCommon{form_, "CaptionRateCommon", "（両方に共通）"};
    Label CaptionStepCount{form_, "CaptionStepCount", "1期回数"};
    Label CaptionTotalPrincipalNote{form_, "CaptionTotalPrincipalNote", "月＋ﾎﾞｰﾅｽ"};
    Label CaptionDayCounterNote{form_, "CaptionDayCounterNote", "初回差額"};
    Label CaptionDayCounterLoanDate{form_, "CaptionDayCounterLoanDate", "融資実行日"};
    Label CaptionDayCounterFirstDate{form_, "CaptionDayCounterFirstDate", "初回返済日"};
    Label CaptionDayCounterDays{form_, "CaptionDayCounterDays", "日数"};
    Label CaptionDayCounterInterest{form_, "CaptionDayCounterInterest", "日割金額"};

    // ---- Step length and progress ----
    Label Label16{form_, "Label16", "返済回シミュレーション（1期分）"};
    Label Label11{form_, "Label11", "1期分計算対象"};
    Edit Ed1_yy5{form_, "Ed1_yy5", "0"};
    Label Label24{form_, "Label24", "年"};
    Edit Ed1_mm5{form_, "Ed1_mm5", "6"};
    Label Label25{form_, "Label25", "ヶ月間の返済"};
    Label Label31{form_, "Label31", "回分　"};
    Label Label32{form_, "Label32", "回分"};
    Label LabelKeika{form_, "LabelKeika", "経過"};
    Label LabK1{form_, "LabK1", "0"};
    Edit Ed1_yy1{form_, "Ed1_yy1", "0"};
    Edit Ed1_mm1{form_, "Ed1_mm1", "0"};
    Label LabelMade{form_, "LabelMade", "当期末"};
    Label LabK9{form_, "LabK9", "6"};
    Edit Ed1_yy9{form_, "Ed1_yy9", "0"};
    Edit Ed1_mm9{form_, "Ed1_mm9", "6"};
    Label LabelNokori{form_, "LabelNokori", "残月数"};
    Label LabK0{form_, "LabK0", "0"};
    Label LabK1_b{form_, "LabK1_b", "0"};
    Label LabK9_b{form_, "LabK9_b", "0"};
    TrackBar TrackBar2{form_, "TrackBar2"};
    Label Label196{form_, "Label196"};
    // Bonus timing: the tags hold the interval and the first-bonus months.
    Button Button140{form_, "Button140", "ﾎﾞｰﾅｽ第2返済化"};
    Label Label187{form_, "Label187", "第1回=6ヶ月分"};
    // The same first-period length beside the first-payment dates.
    Label Label195{form_, "Label195", "初回6ヶ月分"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionLongerByMonth{form_, "CaptionLongerByMonth", "延長：月＋1"};
    Label CaptionLongerByBonus{form_, "CaptionLongerByBonus", "ﾎﾞｰﾅｽ＋1"};
    Label CaptionPassedMonths{form_, "CaptionPassedMonths", "ヶ月 ("};
    Label CaptionPassedYears{form_, "CaptionPassedYears", "年"};
    Label CaptionPassedRest{form_, "CaptionPassedRest", "ヶ月)"};
    Label CaptionBonusRange{form_, "CaptionBonusRange", "ﾎﾞｰﾅｽ"};
    Label CaptionBonusRangeTo{form_, "CaptionBonusRangeTo", "～"};
    Label CaptionBonusRangeUnit{form_, "CaptionBonusRangeUnit", "ヶ月目"};
    Label CaptionUntilMonths{form_, "CaptionUntilMonths", "ヶ月 ("};
    Label CaptionUntilYears{form_, "CaptionUntilYears", "年"};
    Label CaptionUntilRest{form_, "CaptionUntilRest", "ヶ月)"};
    Label CaptionLeftMonths{form_, "CaptionLeftMonths", "ヶ月"};

    // ---- One-payment options (day interest, principal first) ----
    Button But_mHiri{form_, "But_mHiri", "日利"};
    Panel Panel7{form_, "Panel7"};
    RadioButton RadioButton3{form_, "RadioButton3", "通常月利"};
    RadioButton RadioButton4{form_, "RadioButton4", "日利"};
    Edit Edit28{form_, "Edit28", "30"};
    Label Label206{form_, "Label206"};
    Button But_mDainyu{form_, "But_mDainyu", "設定"};
    Button Button139{form_, "Button139", "元入優先"};
    Edit Edit30{form_, "Edit30", "0"};
    Button But_bHiri{form_, "But_bHiri", "日利"};
    Panel Panel8{form_, "Panel8"};
    RadioButton RadioButton11{form_, "RadioButton11", "通常6ヶ月利"};
    RadioButton RadioButton12{form_, "RadioButton12", "日利"};
    Edit Edit29{form_, "Edit29", "182"};
    Button But_bDainyu{form_, "But_bDainyu", "設定"};
    Button Button144{form_, "Button144", "元入優先"};
    Edit Edit34{form_, "Edit34", "0"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionOnePaymentMonthly{form_, "CaptionOnePaymentMonthly", "月返済 1回払いの利息"};
    Label CaptionOnePaymentMonthlyDays{form_, "CaptionOnePaymentMonthlyDays", "日"};
    Label CaptionOnePaymentBonus{form_, "CaptionOnePaymentBonus", "ﾎﾞｰﾅｽ返済 1回払いの利息"};
    Label CaptionOnePaymentBonusDays{form_, "CaptionOnePaymentBonusDays", "日"};

    // ---- Intermediate prepayment (内入) ----
    Button Button46{form_, "Button46", "内入"};
    Panel PanelUchi{form_, "PanelUchi"};
    Edit Edit33{form_, "Edit33", "0"};
    Edit Edit43{form_, "Edit43", "0"};
    Label La_Uchi{form_, "La_Uchi", "同時"};
    Edit Ed_Uchi{form_, "Ed_Uchi"};
    Edit Edit27{form_, "Edit27", "0"};
    Edit Edit23{form_, "Edit23", "0"};
    Edit Edit24{form_, "Edit24", "0"};
    Edit Edit25{form_, "Edit25", "0"};
    Edit Edit26{form_, "Edit26", "0"};
    Button ButUGaku{form_, "ButUGaku", "←設定→"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionPrepaymentTitle{form_, "CaptionPrepaymentTitle", "内入（元金の一部返済）"};
    Label CaptionPrepaymentAmount{form_, "CaptionPrepaymentAmount", "内入額"};
    Label CaptionPrepaymentWhen{form_, "CaptionPrepaymentWhen", "時期"};
    Label CaptionPrepaymentGap{form_, "CaptionPrepaymentGap", "経過日/月"};
    Label CaptionPrepaymentRate{form_, "CaptionPrepaymentRate", "金利"};
    Label CaptionPrepaymentRateUnit{form_, "CaptionPrepaymentRateUnit", "％"};
    Label CaptionPrepaymentInterest{form_, "CaptionPrepaymentInterest", "利息"};
    Label CaptionPrepaymentTotal{form_, "CaptionPrepaymentTotal", "支払総額"};

    // ---- Commit and multi-step runs ----
    Button Button1{form_, "Button1", "メモ記載"};
    Button Button19{form_, "Button19", "5期分"};
    Button Button20{form_, "Button20", "10期分"};
    Button Button76{form_, "Button76", "期分"};
    Edit Edit80{form_, "Edit80", "12"};
    Button Button18{form_, "Button18", "最後まで"};
    Button Button21{form_, "Button21", "直前"};
    CheckBox CBallway{form_, "CBallway", "常時"};
    Button Button110{form_, "Button110", "M"};
    Button Button111{form_, "Button111", "MR"};
    Button Button15{form_, "Button15", "合計記入"};
    // Popup menu of the page.
    MenuItem N5kibun{form_, "N5kibun", "－－5期分"};
    MenuItem N10kibun{form_, "N10kibun", "－－10期"};
    MenuItem NShiteiKibun{form_, "NShiteiKibun", "－－(指定) 期分"};
    MenuItem NSaigo{form_, "NSaigo", "－－最後まで"};
    MenuItem NMemoKisai{form_, "NMemoKisai", "－－メモ記載"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoTools{form_, "CaptionMemoTools", "メモ"};
    Label CaptionMemoToolsClear{form_, "CaptionMemoToolsClear", "消去"};
    Label CaptionMemoToolsMonthly{form_, "CaptionMemoToolsMonthly", "月返済"};
    Label CaptionMemoToolsWriter{form_, "CaptionMemoToolsWriter", "記入者"};

    // ---- Digit unit of the quick-entry gestures ----
    Money AmountStep = Money::from_yen(1'000'000);
    long double RateStep = 0.1L;

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
    // What the last commit did with a prepayment it could not make as asked (one that found
    // the loan paid off, or more than its principal); empty when it made it as asked.
    std::string PrepaymentNote;
    // What each part's prepayment of the last commit asked beyond the principal left.
    Money PrepaymentSurplusM;
    Money PrepaymentSurplusB;

    // ---- Routines: the one-period calculation ----
    void PRset1(Control& sender);
    // PRset1 for the next step of a run: nothing when the commit before it worked the step
    // out and no field has changed since.
    void recompute_next_step();
    // The main window's change count when PRset1 last finished working out a step.
    std::optional<std::uint64_t> StepWorkedOutAt;
    void recalc_m();
    void recalc_b();
    void But_mDainyuClick(Control& sender);
    void But_bDainyuClick(Control& sender);
    void count_bonus_in_step();
    // Cuts the step of one part to the payments needed to pay the loan off (a replay that
    // keeps its instalment); false when the step needs all its payments.
    bool cut_step_at_payoff(bool bonus);
    // Caps or drops the prepayments of the step before it is committed (PrepaymentNote).
    void settle_prepayments();
    void commit_m();
    void commit_b();
    // One part's memo line and table row of the step, its prepayment, its running totals.
    struct CommitPart;
    CommitPart commit_part_of(bool bonus);
    void commit_part(const CommitPart& part);
    void commit_period(const CommitPart& part, int month, int number);
    void commit_prepayment(const CommitPart& part, int month, int number);
    int bonus_payment_number(int month) const;
    void advance_step();
    void Ed1_mm5Change(Control& sender);
    void remaining_count_change(Control& sender);
    void Button4Click(Control& sender);
    // The monthly or bonus instalment typed: its part rerun, and the other too unless
    // nothing else has changed since both were worked out.
    void instalment_change(Control& sender);
    // False when nothing could be committed (no step length, a step beyond the term) or
    // the run stopped at a failure of the calculation.
    bool ki_bun(int steps);
    void put_kept_instalments(const std::string& monthly, const std::string& bonus);
    // A run of commits ("期分", "最後まで", the batch tables) is one operation: the first
    // failure of the calculation inside it is reported once and ends it, and the outermost
    // run then puts the current tables and both memos back as they were at its start.
    void begin_commit_run();
    // False when the run failed; the outermost run has then put the tables back.
    bool end_commit_run();
    bool commit_run_failed() const { return commit_run_failed_; }
    void Button1Click(Control& sender);
    void Button19Click(Control& sender);
    void Button20Click(Control& sender);
    void Button76Click(Control& sender);
    void Button18Click(Control& sender);
    void Button21Click(Control& sender);
    void Button110Click(Control& sender);
    void Button111Click(Control& sender);
    void refresh_money_overlays();
    void refresh_track_bar_and_last_instalments();
    // The texts each shown total (Edit31, Edit19, Edit20) was last worked out from, its own
    // text last, and for the bonus total the first bonus month.
    std::array<std::vector<std::string>, 3> OverlayInputs;
    int OverlayFirstMonths = 0;
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

    // Quick-entry gestures and the key filter of numeric fields.
    void numeric_key_filter(Control& sender, char32_t& key);

    // ---- Routines: second repayment ----
    void Button140Click(Control& sender);
    void Label187Click(Control& sender);
    void Label187RightClick(Control& sender);
    void wire_second_repayment();
    struct CommitRunStart {
        SharedGridRows monthly, bonus;
        SharedMemoLines memo_m, memo_b;
    };
    CommitRunStart commit_run_start_;
    int commit_run_depth_ = 0;
    bool commit_run_failed_ = false;
    void wire_calculation();
    void place_calculation_controls();
    void wire_step_fields();
    void wire_step_runs();
    void wire_gestures();
    // The parts of PRset1, in the order it runs them.
    bool validate_inputs();
    bool reset_progress();
    int checked_term();
    void clear_progress();
    void start_term(int total);
    void split_principal();
    bool sync_principal(Control& sender);
    void commit_step();
    void restore_step_after_term_end();
};

}  // namespace rebanto
