#pragma once
// The main window "Rebanto Ver7.7": owner of the loan inputs, the pages, the memos and
// the calculation settings. Controls are declared grouped by where they sit; the
// routines are defined in the folder of the subsystem they belong to.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/money.h"
#include "base/rounding.h"
#include "dates/batch_types.h"
#include "forms/guard.h"
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

class App;
struct PackFile;

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
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionIndicatorInstalment{*this, "CaptionIndicatorInstalment", "均等額"};
    Label CaptionIndicatorInterest{*this, "CaptionIndicatorInterest", "利息"};
    Label CaptionIndicatorAccrual{*this, "CaptionIndicatorAccrual", "付利"};

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
    // The first payment's day counter (group "初回返済の差額計算"): the loan date, the
    // start of a regular first period, the first payment date, the days between the first
    // two and their interest. Label6 and Label7 open it for the monthly or bonus part.
    Label Label6{*this, "Label6", "毎月返済(初回返済1ヶ月後)"};
    Label Label7{*this, "Label7", "ボーナス返済（返済6ヶ月間隔）"};
    Panel GrpSyokai{*this, "GrpSyokai", "初回返済の差額計算"};
    Edit MsEd1_yusi{*this, "MsEd1_yusi", "1998/08/03"};
    Label La1_yotei{*this, "La1_yotei", "毎月返済で丸1ヶ月前の翌日"};
    Edit MsEd1_yotei{*this, "MsEd1_yotei", "1998/08/03"};
    Edit MsEd1_syokai{*this, "MsEd1_syokai", "1998/08/03"};
    Edit Ed1_nichi{*this, "Ed1_nichi", "0"};
    Edit Ed1_hiwarikingaku{*this, "Ed1_hiwarikingaku", "0"};
    // Copies of the principal and instalment fields shown on other pages.
    Edit Edit101{*this, "Edit101", "1000000"};
    Edit Edit106{*this, "Edit106", "0"};
    Edit Edit104{*this, "Edit104", "0"};
    Edit Edit109{*this, "Edit109", "0"};
    Edit Edit104s{*this, "Edit104s", "0"};
    Edit Edit109s{*this, "Edit109s", "0"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionStepMonthlyHeader{*this, "CaptionStepMonthlyHeader", "月返済"};
    // Follows the second stream's name (Button67) where a caption names its payments.
    Label CaptionRepaymentSuffix{*this, "CaptionRepaymentSuffix", "返済"};
    Label CaptionRateCommon{*this, "CaptionRateCommon", "（両方に共通）"};
    Label CaptionStepCount{*this, "CaptionStepCount", "1期回数"};
    Label CaptionTotalPrincipalNote{*this, "CaptionTotalPrincipalNote", "月＋ﾎﾞｰﾅｽ"};
    Label CaptionDayCounterNote{*this, "CaptionDayCounterNote", "初回差額"};
    Label CaptionDayCounterLoanDate{*this, "CaptionDayCounterLoanDate", "融資実行日"};
    Label CaptionDayCounterFirstDate{*this, "CaptionDayCounterFirstDate", "初回返済日"};
    Label CaptionDayCounterDays{*this, "CaptionDayCounterDays", "日数"};
    Label CaptionDayCounterInterest{*this, "CaptionDayCounterInterest", "日割金額"};

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
    // The same first-period length beside the first-payment dates.
    Label Label195{*this, "Label195", "初回6ヶ月分"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionLongerByMonth{*this, "CaptionLongerByMonth", "延長：月＋1"};
    Label CaptionLongerByBonus{*this, "CaptionLongerByBonus", "ﾎﾞｰﾅｽ＋1"};
    Label CaptionPassedMonths{*this, "CaptionPassedMonths", "ヶ月 ("};
    Label CaptionPassedYears{*this, "CaptionPassedYears", "年"};
    Label CaptionPassedRest{*this, "CaptionPassedRest", "ヶ月)"};
    Label CaptionBonusRange{*this, "CaptionBonusRange", "ﾎﾞｰﾅｽ"};
    Label CaptionBonusRangeTo{*this, "CaptionBonusRangeTo", "～"};
    Label CaptionBonusRangeUnit{*this, "CaptionBonusRangeUnit", "ヶ月目"};
    Label CaptionUntilMonths{*this, "CaptionUntilMonths", "ヶ月 ("};
    Label CaptionUntilYears{*this, "CaptionUntilYears", "年"};
    Label CaptionUntilRest{*this, "CaptionUntilRest", "ヶ月)"};
    Label CaptionLeftMonths{*this, "CaptionLeftMonths", "ヶ月"};

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
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionOnePaymentMonthly{*this, "CaptionOnePaymentMonthly", "月返済 1回払いの利息"};
    Label CaptionOnePaymentMonthlyDays{*this, "CaptionOnePaymentMonthlyDays", "日"};
    Label CaptionOnePaymentBonus{*this, "CaptionOnePaymentBonus", "ﾎﾞｰﾅｽ返済 1回払いの利息"};
    Label CaptionOnePaymentBonusDays{*this, "CaptionOnePaymentBonusDays", "日"};

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
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionPrepaymentTitle{*this, "CaptionPrepaymentTitle", "内入（元金の一部返済）"};
    Label CaptionPrepaymentAmount{*this, "CaptionPrepaymentAmount", "内入額"};
    Label CaptionPrepaymentWhen{*this, "CaptionPrepaymentWhen", "時期"};
    Label CaptionPrepaymentGap{*this, "CaptionPrepaymentGap", "経過日/月"};
    Label CaptionPrepaymentRate{*this, "CaptionPrepaymentRate", "金利"};
    Label CaptionPrepaymentRateUnit{*this, "CaptionPrepaymentRateUnit", "％"};
    Label CaptionPrepaymentInterest{*this, "CaptionPrepaymentInterest", "利息"};
    Label CaptionPrepaymentTotal{*this, "CaptionPrepaymentTotal", "支払総額"};

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
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoTools{*this, "CaptionMemoTools", "メモ"};
    Label CaptionMemoToolsClear{*this, "CaptionMemoToolsClear", "消去"};
    Label CaptionMemoToolsMonthly{*this, "CaptionMemoToolsMonthly", "月返済"};
    Label CaptionMemoToolsWriter{*this, "CaptionMemoToolsWriter", "記入者"};

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
    // Saving the memos as rich text (or plain text, in plain-text mode).
    Button Button70{*this, "Button70", "保存"};
    Button Button85{*this, "Button85", "保存"};
    TrackBar UpDown1{*this, "UpDown1"};
    TrackBar UpDown2{*this, "UpDown2"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoClearMonthly{*this, "CaptionMemoClearMonthly", "メモ消去"};
    Label CaptionFontSizeMonthly{*this, "CaptionFontSizeMonthly", "文字サイズ"};
    Label CaptionMemoClearBonus{*this, "CaptionMemoClearBonus", "メモ消去"};
    Label CaptionFontSizeBonus{*this, "CaptionFontSizeBonus", "文字サイズ"};

    // ---- Page "一括表" (the parts the calculation reads) ----
    Button Button67{*this, "Button67", "ﾎﾞｰﾅｽ"};
    Edit Edit42{*this, "Edit42", "6"};

    // ---- Page "一括表": what-if tables ----
    Button Button9{*this, "Button9", "いろいろな時点・期間での推移表"};
    Button Button10{*this, "Button10", "金利の違い比較表"};
    Button Button17{*this, "Button17", "返済期間の違い比較表"};
    Button Button13{*this, "Button13", "金利変動ｼﾐｭﾚｰｼｮﾝ"};
    // Options shared by the rate and the term comparisons; Edit42 above is its month field.
    Panel GroupBox7{*this, "GroupBox7", "右欄共通"};
    RadioButton RadioButton1{*this, "RadioButton1", "最終回"};
    RadioButton RadioButton2{*this, "RadioButton2", "期間 当初"};
    Label Label70{*this, "Label70", "ヶ月"};
    // The rate increment of the rate comparison (percent) and the years of the random path.
    Edit Edit32{*this, "Edit32", "0.125"};
    Edit Edit36{*this, "Edit36", "20"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionRateStep{*this, "CaptionRateStep", "金利刻み"};
    Label CaptionRateStepUnit{*this, "CaptionRateStepUnit", "％"};
    Label CaptionVariableYears{*this, "CaptionVariableYears", "変動ｼﾐｭﾚｰｼｮﾝ年数"};
    Label CaptionVariableYearsUnit{*this, "CaptionVariableYearsUnit", "年"};

    // ---- Page "一括表": loan-product schedules ----
    // Corporation plans, summaries on one page (upper half).
    Panel GrpKouko{*this, "GrpKouko", "住宅金融公庫等"};
    Button Button12{*this, "Button12", "公庫通常返済"};
    Button Button11{*this, "Button11", "公庫ゆとり返済"};
    // Rate presets: corporation base and surcharged rates, bank general and special rates.
    Button Button59{*this, "Button59", "基"};
    Button Button60{*this, "Button60", "加"};
    Button Button64{*this, "Button64", "一"};
    Button Button65{*this, "Button65", "特"};
    // Corporation plans, full schedules (lower half).
    Panel GroupBox10{*this, "GroupBox10", "住宅金融公庫等"};
    RadioButton RadioButton9{*this, "RadioButton9", "通常返済"};
    RadioButton RadioButton10{*this, "RadioButton10", "ゆとり返済"};
    Button Button61{*this, "Button61", "月返済"};
    Button Button62{*this, "Button62", "ﾎﾞｰﾅｽ"};
    Button Button63{*this, "Button63", "一括"};
    // Bank loans at one fixed rate (Button67 "ﾎﾞｰﾅｽ" above belongs to this group).
    Panel GroupBox11{*this, "GroupBox11", "一般(全固定金利)"};
    Button Button66{*this, "Button66", "月返済"};
    Button Button68{*this, "Button68", "一括"};
    // Bank loans following the variable-rate list.
    Panel GroupBox12{*this, "GroupBox12", "一般(変動金利ｼﾐｭﾚｰｼｮﾝ)"};
    Button Bt2_hendo_mon{*this, "Bt2_hendo_mon", "月返済"};
    Button Bt2_hendo_bon{*this, "Bt2_hendo_bon", "ﾎﾞｰﾅｽ"};
    Button Button74{*this, "Button74", "一括"};
    RadioButton RdBt2_kotei{*this, "RdBt2_kotei", "当初固定金利期間 指定"};
    RadioButton RdBt2_non_kotei{*this, "RdBt2_non_kotei", "固定期間無"};
    Edit Ed2_kotei_yy{*this, "Ed2_kotei_yy", "3"};
    Label Label82{*this, "Label82", "年"};
    Label La2_hensai1tei{*this, "La2_hensai1tei", "返済額一定期間"};
    Edit Ed2_hensai1tei_yy{*this, "Ed2_hensai1tei_yy", "5"};
    Button Button54{*this, "Button54", "変動金利リスト"};
    // Whether the list follows the calendar of the loan dates: "基準" or "基無".
    Button Button91{*this, "Button91", "基無"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionGeneralRates{*this, "CaptionGeneralRates", "一般金利"};

    // ---- Page "編成一括" ----
    // Months before the first payment, as the lender's schedule counts them.
    Edit Edit35{*this, "Edit35", "6"};
    // The loan date and the first monthly and bonus payment dates ("yyyy/mm/dd"); a
    // click on a caption copies the reference calendar's date into its field.
    Label Label134{*this, "Label134", "融資実行日"};
    Edit MsEd8_yusi{*this, "MsEd8_yusi", "2001/05/21"};
    Label Label139{*this, "Label139", "月返済"};
    Edit MsEd8_mon{*this, "MsEd8_mon", "2001/06/20"};
    Label Label147{*this, "Label147", "ボーナス返済"};
    Edit MsEd8_bon{*this, "MsEd8_bon", "2001/07/20"};
    // Count the loan day too (both ends) instead of one end.
    CheckBox CheckBox3{*this, "CheckBox3", "当日含"};
    CheckBox CheckBox2{*this, "CheckBox2", "無補正"};
    // Days from the loan date to the first monthly / bonus payment, and their interest.
    Edit Edit135{*this, "Edit135", "0"};
    Edit Edit177{*this, "Edit177", "0"};
    Edit Edit178{*this, "Edit178", "0"};
    Edit Edit179{*this, "Edit179", "0"};
    // A regular first instalment: interest and principal part, monthly and bonus.
    Edit Edit115{*this, "Edit115", "0"};
    Edit Edit116{*this, "Edit116", "0"};
    Edit Edit117{*this, "Edit117", "0"};
    Edit Edit118{*this, "Edit118", "0"};
    // What "一括計算ＧＯ" builds.
    ComboBox ComboBox2{*this, "ComboBox2", batch_calculation_types()};
    Edit Edit67{*this, "Edit67", "標準（無指定）"};
    // The first-payment differences, monthly and bonus.
    Edit Edit78{*this, "Edit78", "0"};
    Edit Edit79{*this, "Edit79", "0"};
    // Shown while a first-payment difference is set.
    Label Label146{*this, "Label146", "初回"};
    Button Button50{*this, "Button50", "初回計算"};
    Button Button124{*this, "Button124", "初回差額設定"};
    Button Button123{*this, "Button123", "初回差額クリアー"};
    Button Button125{*this, "Button125", "各合計数値の初回訂正"};
    Button Button51{*this, "Button51", "ｶﾚﾝﾄ表の初回訂正"};
    Button Button52{*this, "Button52", "月回補正"};
    Button Button24{*this, "Button24", "最終月回元金残０化"};
    Button Button25{*this, "Button25", "最終月回元金残０化"};
    Button Button53{*this, "Button53", "一括計算ＧＯ"};
    Button Button26{*this, "Button26", "初回補正の有無"};
    // The reference calendar: the picker, its multi-month calendar, and today.
    Label Label162{*this, "Label162", "参照ｶﾚﾝﾀﾞｰ"};
    DateTimePicker DateTimePicker1{*this, "DateTimePicker1"};
    MonthCalendar MonthCalendar1{*this, "MonthCalendar1"};
    Label La8_honjitu{*this, "La8_honjitu"};
    // The month calendar a double click on a date field opens, for that field.
    MonthCalendar MonthCalendar2{*this, "MonthCalendar2"};
    Edit* CalendarTarget = nullptr;
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionLoanDates{*this, "CaptionLoanDates", "融資実行日と初回返済日"};
    Label CaptionMonthlyDays{*this, "CaptionMonthlyDays", "日数"};
    Label CaptionMonthlyDayInterest{*this, "CaptionMonthlyDayInterest", "日割利息"};
    Label CaptionBonusDays{*this, "CaptionBonusDays", "日数"};
    Label CaptionBonusDayInterest{*this, "CaptionBonusDayInterest", "日割利息"};
    Label CaptionFirstDeferral{*this, "CaptionFirstDeferral", "初回据置月数"};
    Label CaptionFirstInstalments{*this, "CaptionFirstInstalments", "初回返済額"};
    Label CaptionFirstMonthlyHeader{*this, "CaptionFirstMonthlyHeader", "月返済"};
    Label CaptionNormalFirstInterest{*this, "CaptionNormalFirstInterest", "通常初回利息"};
    Label CaptionNormalFirstPrincipal{*this, "CaptionNormalFirstPrincipal", "通常初回元金"};
    Label CaptionNormalInstalment{*this, "CaptionNormalInstalment", "通常返済額"};
    Label CaptionCorrectedFirst{*this, "CaptionCorrectedFirst", "補正初回返済額"};
    Label CaptionFirstGap{*this, "CaptionFirstGap", "初回差額"};
    Label CaptionTableCorrections{*this, "CaptionTableCorrections", "ｶﾚﾝﾄ表"};
    Label CaptionCorrectionMonthly{*this, "CaptionCorrectionMonthly", "月返済"};
    Label CaptionBatchKind{*this, "CaptionBatchKind", "計算種別"};
    Label CaptionBatchTitle{*this, "CaptionBatchTitle", "ﾀｲﾄﾙ"};

    // ---- Page "複合編成": copies of the current tables and pack files ----
    Button ButtonM{*this, "ButtonM", "ｶﾚﾝﾄ月返済表"};
    // Opens the recalculation navigator on the current tables.
    Button Button107{*this, "Button107", "再計算ナビ"};
    // Changes of the whole current tables through the navigator: the rate after a month,
    // a prepayment added or removed, the bonus rows around a rate change.
    Button Button135{*this, "Button135", "金利"};
    Button Button131{*this, "Button131", "繰上"};
    Button Button132{*this, "Button132", "繰上返済追記"};
    Button Button151{*this, "Button151", "ﾎﾞｰﾅｽ補正"};
    Button ButtonB{*this, "ButtonB", "ｶﾚﾝﾄﾎﾞｰﾅｽ返済表"};
    Edit Edit45{*this, "Edit45", "上記ボタンを押す"};
    Grid StringGrid1{*this, "StringGrid1", 2, 14, 1, 3};
    Grid StringGrid2{*this, "StringGrid2", 2, 14, 1, 3};
    Button Button87{*this, "Button87", "読込"};
    Button Button88{*this, "Button88", "保存"};
    Button Button89{*this, "Button89", "ﾊﾟｯｸ再保存"};
    Button Button146{*this, "Button146", "■■基本設定復元■■"};
    Button Button150{*this, "Button150", "読込"};
    // Reference first-payment dates proposed from today.
    Button Button72{*this, "Button72", "初回参考"};
    Edit MsEd7_yusi{*this, "MsEd7_yusi", "1998/06/21"};
    Edit MsEd7_mon{*this, "MsEd7_mon", "1998/07/20"};
    Edit MsEd7_bon{*this, "MsEd7_bon", "1998/12/20"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionManualPacks{*this, "CaptionManualPacks", "ﾏﾆｭｱﾙﾊﾟｯｸ"};
    Label CaptionBasicSettings{*this, "CaptionBasicSettings", "基本設定"};
    Label CaptionFromFile{*this, "CaptionFromFile", "ﾌｧｲﾙから"};
    Label CaptionNavigatorUse{*this, "CaptionNavigatorUse", "再計算ナビ活用"};
    Label CaptionReferenceDates{*this, "CaptionReferenceDates", "初回参考日"};
    Label CaptionReferenceLoan{*this, "CaptionReferenceLoan", "融資"};
    Label CaptionReferenceMonthly{*this, "CaptionReferenceMonthly", "月"};
    Label CaptionReferenceBonus{*this, "CaptionReferenceBonus", "ﾎﾞｰﾅｽ"};

    // ---- Page "複合編成": the composite tables ----
    Button Button28{*this, "Button28", "合成返済表"};
    Button Button29{*this, "Button29", "合成ﾎﾞｰﾅｽ返済表"};
    Button ButtonM_C{*this, "ButtonM_C", "コピー作業"};
    Button ButtonB_C{*this, "ButtonB_C", "コピー作業"};
    Button Button32{*this, "Button32", "ｶﾚﾝﾄ＋合成作業"};
    Button Button30{*this, "Button30", "合成月＋ﾎﾞｰﾅｽ合成作業"};
    Button Button138{*this, "Button138", "累積"};
    Button Button31{*this, "Button31", "消"};
    // How the year and month columns of copies and merges show a month number.
    Panel GrpHyouji{*this, "GrpHyouji", "月表示"};
    RadioButton RadioButton5{*this, "RadioButton5", "0(月目表示)"};
    RadioButton RadioButton6{*this, "RadioButton6", "12（暦月表示）"};
    // The composite monthly and bonus tables, and the work table of a merge.
    Grid StringGrid3{*this, "StringGrid3", 1, 21, 1, 1};
    Grid StringGrid4{*this, "StringGrid4", 1, 18, 1, 1};
    Grid StringGrid5{*this, "StringGrid5", 1, 21, 1, 1};
    // Components (head rows) of the composite monthly and bonus tables.
    int CompositeCountM = 0;
    int CompositeCountB = 0;
    // The composite tables as CSV text ("CSV化") and as text to print ("印刷").
    Button CSV3{*this, "CSV3", "CSV化"};
    Button CSV4{*this, "CSV4", "CSV化"};
    Button Button27{*this, "Button27", "印刷"};
    Button Button36{*this, "Button36", "印刷"};
    // The composite tables as numbers for a spreadsheet, saved at once (CSV or workbook).
    Button CSV3_suuti{*this, "CSV3_suuti", "表計算用（数値）"};
    Button CSV4_suuti{*this, "CSV4_suuti", "表計算用（数値）"};
    // The output panel: the memo those texts (and the comparison window's CSV) are made
    // in, saved, printed or put away from here.
    Panel Panel1{*this, "Panel1"};
    Memo RichEdit4{*this, "RichEdit4"};
    Button Button69{*this, "Button69", "保存"};
    Button Bt1_insatu{*this, "Bt1_insatu", "印刷"};
    Button Bt1_tojiru{*this, "Bt1_tojiru", "閉じる"};
    // The export dialog's choice: its filter (1 rich text, 2 CSV) and default extension.
    int ExportFilter = 1;
    std::string ExportExtension = "rtf";
    // The month shift of the current tables: the shift, and the era year and month it is
    // made of.
    Button Button43{*this, "Button43", "月回増減"};
    Panel Panel2{*this, "Panel2"};
    Edit Edit59{*this, "Edit59", "0"};
    Edit Edit60{*this, "Edit60", "10"};
    Label La2_nen{*this, "La2_nen", "年"};
    Edit Edit61{*this, "Edit61", "5"};
    Label La2_tuki{*this, "La2_tuki", "月"};
    Button Button44{*this, "Button44", "月実行"};
    Button Button71{*this, "Button71", "ﾎﾞ実行"};
    Button Bt2_tojiru{*this, "Bt2_tojiru", "閉じる"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionCompositeMonthly{*this, "CaptionCompositeMonthly", "月"};
    Label CaptionCompositeExport{*this, "CaptionCompositeExport", "合成"};
    Label CaptionOutput{*this, "CaptionOutput", "出力"};
    Label CaptionEra{*this, "CaptionEra", "平成"};
    Label CaptionMonthShift{*this, "CaptionMonthShift", "増減月数"};

    // ---- Charts of the tables, on several pages (the chart windows TForm5 and TForm3) ----
    Button Button112{*this, "Button112", "グラフ"};  // "個別返済額算定": current monthly table
    Button Button113{*this, "Button113", "ボ"};      // and the current bonus table
    Button Button120{*this, "Button120", "グラフ"};  // "ﾒﾓ(月返済)"
    Button Button121{*this, "Button121", "グラフ"};  // "(ﾎﾞｰﾅｽ返済)"
    Button Button126{*this, "Button126", "グラフ"};  // "複合編成": current monthly table
    Button Button127{*this, "Button127", "グラフ"};  // and the current bonus table
    Button Button128{*this, "Button128", "グラフ"};  // composite monthly table
    Button Button129{*this, "Button129", "グラフ"};  // composite bonus table
    // In the popup menu of "個別返済額算定".
    MenuItem NGurafuM{*this, "NGurafuM", "　－－グラフ(月)"};
    MenuItem NGurafuB{*this, "NGurafuB", "　－－グラフ(ボーナス)"};

    // ---- Page "編成一括": the pack slots and the pack list ----
    Panel GrpPack{*this, "GrpPack", "パック"};
    RadioButton RadioButton101{*this, "RadioButton101", "1"};
    RadioButton RadioButton102{*this, "RadioButton102", "2"};
    RadioButton RadioButton103{*this, "RadioButton103", "3"};
    RadioButton RadioButton104{*this, "RadioButton104", "4"};
    RadioButton RadioButton105{*this, "RadioButton105", "5"};
    RadioButton RadioButton106{*this, "RadioButton106", "6"};
    RadioButton RadioButton107{*this, "RadioButton107", "7"};
    RadioButton RadioButton108{*this, "RadioButton108", "8"};
    RadioButton RadioButton109{*this, "RadioButton109", "9"};
    RadioButton RadioButton110{*this, "RadioButton110", "10"};
    // The selected slot is the tag of "↓ パック化" (0: none).
    Button Button78{*this, "Button78", "↓ パック化"};
    Button Button79{*this, "Button79", "呼び出し ↑"};
    Button Button83{*this, "Button83", "消し"};
    Button Button47{*this, "Button47", "↓ 変更記録"};
    Button Button80{*this, "Button80", "パックリスト読込"};
    Button Button81{*this, "Button81", "パックリスト記録"};
    Button Button82{*this, "Button82", "全パック一括計算"};
    // The pack list as its file holds it: slot s field f on line (s − 1) × 25 + f.
    Memo Memo2{*this, "Memo2"};
    // The file name of the manual pack last recalled.
    Edit Ed_hen1{*this, "Ed_hen1"};
    // Slots 1..10 (0 unused), 25 fields each.
    packs::Slots PackSlots = packs::empty_slots();
    bool PackListChanged = false;
    // Set while the program marks a slot's button, whose click would otherwise recall it.
    bool SlotClicksHeld = false;
    std::string proposed_pack_list;

    // ---- Page "設定" ----
    Button Button86{*this, "Button86", "音有"};
    Edit Ed5_memoobi{*this, "Ed5_memoobi"};
    Edit Edit46{*this, "Edit46", "未記入無名"};
    // The work-name log: what built the current tables.
    Edit Ed555{*this, "Ed555", "_New"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoBand{*this, "CaptionMemoBand", "メモ帯"};
    Label CaptionAuthor{*this, "CaptionAuthor", "作成者名"};
    Label CaptionWorkLog{*this, "CaptionWorkLog", "作業名称ログ"};

    // ---- Page "設定": the settings file, exit and restart ----
    Button Bt_save{*this, "Bt_save", "Save"};
    Button Bt_load{*this, "Bt_load", "Load"};
    Button Button101{*this, "Button101", "非Save終了・再起動"};
    Button Button105{*this, "Button105", "再起動"};
    CheckBox CheckBox4{*this, "CheckBox4", "窓サイズ自動記録"};
    // The date picker of the reference calendar: ticked for a drop-down calendar.
    CheckBox CheckBox6{*this, "CheckBox6", "日付はカレンダー表示で選択"};
    // The page-indicator offset above the tab row (position − 100 is stored).
    TrackBar TrackBar1{*this, "TrackBar1"};
    Edit Edit58{*this, "Edit58", "未記入無名"};
    // The start folder: where the settings, the lists and the documents live.
    Edit Ed0_inidir{*this, "Ed0_inidir"};
    // The control scale in ten-thousandths after a resize ("10000" = unchanged).
    Edit Edit11{*this, "Edit11", "10000"};

    // ---- Page "設定": rates the rate list writes ----
    // The rate after a step ("以降金利"), also the corporation plans' rate from year 11.
    Edit Edit40{*this, "Edit40", "4.0"};

    // ---- Page "設定": rate presets ----
    // Corporation rates, cycled by "基" and "加" on the batch-table page.
    Label La5_kouko_kijun{*this, "La5_kouko_kijun", "公庫基準金利"};
    Edit Edit39{*this, "Edit39", "2.80"};
    Label La5_kijungai{*this, "La5_kijungai", "基準外他"};
    Edit Edit51{*this, "Edit51", "2.90"};
    Label La5_koyuka{*this, "La5_koyuka", "広床面積他"};
    Edit Edit52{*this, "Edit52", "3.40"};
    Label La5_tokubetu{*this, "La5_tokubetu", "特別加算等"};
    Edit Edit50{*this, "Edit50", "3.80"};
    Label La5_sonota1{*this, "La5_sonota1", "その他１"};
    Edit Edit63{*this, "Edit63", "2.85"};
    Label La5_sonota2{*this, "La5_sonota2", "その他２"};
    Edit Edit62{*this, "Edit62", "3.00"};
    Label La5_kouko11{*this, "La5_kouko11", "公庫11年以降金利"};
    // Bank rates, cycled by "一" and "特".
    Label La5_ippan1{*this, "La5_ippan1", "銀行変動一般金利"};
    Edit Edit41{*this, "Edit41", "2.375"};
    Label La5_ippan2{*this, "La5_ippan2", "一般2"};
    Edit Edit53{*this, "Edit53", "1.85"};
    Label La5_ippan3{*this, "La5_ippan3", "一般3"};
    Edit Edit54{*this, "Edit54", "2.05"};
    Label La5_tokusyu1{*this, "La5_tokusyu1", "特殊1"};
    Edit Edit55{*this, "Edit55", "3.43"};
    Label La5_tokusyu2{*this, "La5_tokusyu2", "特殊2"};
    Edit Edit56{*this, "Edit56", "2.88"};
    Label La5_tokusyu3{*this, "La5_tokusyu3", "特殊3"};
    Edit Edit57{*this, "Edit57", "3.88"};
    // The variable-rate list file read at start-up.
    Edit Edit66{*this, "Edit66", "kin_hen.txh"};
    // The variable-rate list: 70 half-yearly rates, 5-year blocks in columns, with its
    // line-by-line mirror Memo1 (line k is half-year k).
    Panel GroupBox9{*this, "GroupBox9", "変動金利リスト"};
    Grid StringGrid6{*this, "StringGrid6", 11, 8, 1, 1};
    Memo Memo1{*this, "Memo1"};
    Button Button57{*this, "Button57", "読込"};
    Button Button56{*this, "Button56", "記録"};
    Edit Edit68{*this, "Edit68"};
    Button Button55{*this, "Button55", "閉じる"};
    Panel GrpListBulk{*this, "GrpListBulk", "左表一括訂正"};
    RadioButton RadioButton7{*this, "RadioButton7", "＋加算"};
    RadioButton RadioButton8{*this, "RadioButton8", "×倍"};
    Edit Edit69{*this, "Edit69", "0.01"};
    Button Button84{*this, "Button84", "ＧＯ"};
    // Calendar alignment of the list to the first payment dates.
    Panel GrpListAlign{*this, "GrpListAlign",
                       "変動金利＝基準金利・基準日を以下の適用基準で適用するかどうか"};
    CheckBox CheckBox1{*this, "CheckBox1", "適用する"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionCorporationRates{*this, "CaptionCorporationRates", "公庫等の金利"};
    Label CaptionBankRates{*this, "CaptionBankRates", "銀行の金利"};
    Label CaptionVariableList{*this, "CaptionVariableList", "変動金利ﾘｽﾄ"};
    Label CaptionIndicatorPlace{*this, "CaptionIndicatorPlace", "ｲﾝｼﾞｹｰﾀｰ位置"};
    Label CaptionListFile{*this, "CaptionListFile", "ﾌｧｲﾙ"};

    // ---- Page "解説" ----
    Memo RichEdit3{*this, "RichEdit3"};
    Button Button22{*this, "Button22", "Ver7.7ドキュメント"};
    Button Button58{*this, "Button58", "留意事項"};
    Button Button23{*this, "Button23", "近況"};
    Button Button77{*this, "Button77", "感想"};
    Button Button16{*this, "Button16", "未対応要望"};
    Button Button109{*this, "Button109", "対応済要望"};
    Button Button116{*this, "Button116", "バグ等指摘"};
    Button Button117{*this, "Button117", "利用・技術情報"};
    Button Button119{*this, "Button119", "苦言"};
    Button Button118{*this, "Button118", "その他"};
    Button BtHelp{*this, "BtHelp", "Help"};

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
    // What the last commit did with a prepayment it could not make as asked (one that found
    // the loan paid off, or more than its principal); empty when it made it as asked.
    std::string PrepaymentNote;
    // What each part's prepayment of the last commit asked beyond the principal left.
    Money PrepaymentSurplusM;
    Money PrepaymentSurplusB;

    // ---- Routines: the one-period calculation ----
    void PRset1(Control& sender);
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
    // False when nothing could be committed (no step length, a step beyond the term) or
    // the run stopped at a failure of the calculation.
    bool ki_bun(int steps);
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
    void refresh_overlay_totals();
    void refresh_track_bar_and_last_instalments();
    // The texts the shown totals were last worked out from.
    std::vector<std::string> OverlayInputs;
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
    // ---- Routines: charts of the tables ----
    void chart_current_monthly(Control& sender);
    void chart_current_bonus(Control& sender);
    void chart_composite_monthly(Control& sender);
    void chart_composite_bonus(Control& sender);
    void wire_charts();

    // ---- Routines: pack slots and pack lists ----
    int selected_slot() const { return static_cast<int>(Button78.tag()); }
    RadioButton& slot_button(int slot);
    // Selects a slot without recalling it.
    void select_slot(int slot);
    void show_slot(int slot);
    void slot_click(Control& sender);
    void slot_right_click(Control& sender);
    void clear_slot_selection(Control& sender);
    // Reads a manual pack file into the current tables and into the selected slot.
    void mpc_load(const std::string& path);
    void mpc_load(const PackFile& pack, const std::string& path);
    // The slot the pack operations work on: the selected one, or the one marked when the
    // selection was cleared by the mouse passing over another page.
    int target_slot() const;
    void recall_calculated(const packs::Slot& slot);
    void recall_manual(int slot);
    // The file a manual pack's bare name stands for.
    std::string manual_pack_path(const std::string& name) const;
    void Button78Click(Control& sender);
    void Button79Click(Control& sender);
    void Button83Click(Control& sender);
    void Button47Click(Control& sender);
    void Button80Click(Control& sender);
    void Button81Click(Control& sender);
    void Button82Click(Control& sender);
    void set_pack_list_changed(bool changed);
    // At exit: a changed list that was not recorded is offered for recording.
    // At exit: false when the user asked to record a changed list and it was not recorded
    // (the dialog cancelled, the write failed), so the program goes on.
    bool ask_to_record_pack_list();
    // At exit: false when memories that were never saved would be lost and the user
    // chose to stay.
    bool confirm_memories_lost();
    void wire_packs();
    // Beeps wait while a run of many packs is under way.
    int BeepsHeld = 0;

    // ---- Routines: loan-product schedules ----
    // The basic settings kept by st_ikkazu before a batch table and written back by
    // end_ikkazu: Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin.
    std::array<std::string, 6> BatchSettingsMemory;
    void st_ikkazu();
    void end_ikkazu();
    // Corporation plans: the one-page summaries and the full schedules.
    void Button12Click(Control& sender);
    void Button11Click(Control& sender);
    // The generators take their inputs as texts, by value: the fields they come from are
    // rewritten while the table is built.
    void kouko_mon(std::string rate, std::string years, std::string principal);
    void kouko_bon(std::string rate, std::string principal);
    void Button61Click(Control& sender);
    void Button62Click(Control& sender);
    void Button63Click(Control& sender);
    // Bank loans at one fixed rate.
    void all_mon(std::string rate, std::string years, std::string principal);
    void all_bon(std::string rate, std::string principal);
    void Button66Click(Control& sender);
    void Button67Click(Control& sender);
    void Button68Click(Control& sender);
    // Bank loans following the variable-rate list.
    void hendo_mon(std::string rate, std::string years, std::string principal);
    void hendo_bon(std::string rate, std::string principal);
    void Bt2_hendo_monClick(Control& sender);
    void Bt2_hendo_bonClick(Control& sender);
    void Button74Click(Control& sender);
    void check_variable_rate_options();
    void RdBt2_koteiClick(Control& sender);
    void RdBt2_non_koteiClick(Control& sender);
    void Label82Click(Control& sender);
    void Label82RightClick(Control& sender);
    void Ed2_hensai1tei_yyClick(Control& sender);
    void Ed2_hensai1tei_yyDblClick(Control& sender);
    void Ed2_hensai1tei_yyChange(Control& sender);
    // The variable-rate list: panel, file, bulk change and calendar alignment.
    void Button54Click(Control& sender);
    void Button55Click(Control& sender);
    void Button57Click(Control& sender);
    void Button56Click(Control& sender);
    void Button84Click(Control& sender);
    void CheckBox1Click(Control& sender);
    // Reads a ".txh" list file into Memo1 and the grid / writes Memo1 (after taking the
    // grid's edits) to one; the file's name goes to Edit66 and Edit68. Throw FileError.
    void load_rate_list_file(const std::string& path);
    void save_rate_list_file(const std::string& path);
    // Months before the first half-year boundary, and the months added to the elapsed
    // months before the list is read (monthly and bonus schedules); all 0 unless the list
    // follows the calendar (CheckBox1).
    int ListLead = 0;
    int ListOffset = 0;
    int BonusListOffset = 0;
    void align_rate_list();
    // Rate presets.
    void Button59Click(Control& sender);
    void Button60Click(Control& sender);
    void Button64Click(Control& sender);
    void Button65Click(Control& sender);
    void wire_schedules();

private:
    // The bonus timing before a table forced it to a 6-month interval.
    struct BonusTimingMemory {
        int interval = 6;
        int first_months = 6;
        std::string version;
        std::string deferral;  // Edit35, which the second-repayment setting rewrites
    };
    BonusTimingMemory force_six_month_bonus();
    void restore_bonus_timing(const BonusTimingMemory& saved);
    void stamp_six_month_tables();
    // Runs a table with the wait cursor, the bonus timing forced to six months when asked
    // and put back afterwards (also when the table stops on an error).
    void batch_run(bool six_month_bonus, const std::function<void()>& body);
    // Both parts of a loan, each after its own reset and clearing, then the composite
    // page with the link labels of the parts built.
    void build_both_parts(const std::function<void()>& monthly, const std::function<void()>& bonus,
                          const std::string& work_name);
    int batch_depth_ = 0;
    // One "メモ記載" while it is offered; "直前"; a repaint now and then.
    bool batch_commit();
    void batch_hold();
    void batch_section(const std::string& line, bool monthly, bool bonus);
    std::string batch_title(const std::string& head) const;
    std::string batch_head(const std::string& stream, const std::string& table) const;
    void batch_titles(const std::string& monthly_head, const std::string& bonus_head);
    void replace_memo_title(Memo& memo, const std::string& title);
    void start_part(bool bonus, const std::string& head);
    void set_step_months(const std::string& months);
    // A full schedule of one part: opened with the part alone, closed with its totals row.
    void open_part_schedule(bool bonus, const std::string& rate, const std::string& years,
                            const std::string& principal, const std::string& head);
    void close_part_schedule(bool bonus);
    // Returns the steps committed before the first bonus payment.
    int commit_steps_before_first_bonus();
    // One part built after its reset and clearing; false when the loan has no such part.
    bool build_part(bool bonus, const std::function<void()>& build);
    void build_one_part(bool bonus, const std::function<void()>& build,
                        const std::string& work_name);
    // Up to `steps` commits of `months` each while `more(months done)` holds, "直前" before
    // each but the first (also the first with `hold_first`). Returns the months done.
    int held_steps(int steps, int months, int done, bool hold_first,
                   const std::function<bool(int)>& more);
    void corporation_summary(bool eased);
    void summary_start(bool eased);
    int summary_eased_years(int n);
    struct CorporationPart;
    void corporation_schedule(const CorporationPart& part);
    void fixed_rate_schedule(bool bonus, const std::string& rate, const std::string& years,
                             const std::string& principal);
    struct VariableRatePart;
    void variable_rate_schedule(const VariableRatePart& part, bool fixed, int fixed_half_years,
                                int hold);
    void variable_rate_run(const std::function<void()>& build);
    bool eased_plan_refused();
    void show_rate_list_panel();
    void grid_to_memo1();
    void memo1_to_grid();
    // Edit2 := the list's rate for e months (after the offset); past the list it stays.
    void list_rate_at(int months);
    void list_cell_to_rate(int col, int row);
    void cycle_preset(Button& button, Edit& first, Edit& second, Edit& third);
    int batch_commits_ = 0;
    // Set by st_ikkazu and cleared by end_ikkazu: the basic settings a stopped table
    // still has to put back.
    bool batch_settings_kept_ = false;
    struct CommitRunStart {
        std::vector<std::vector<std::string>> monthly, bonus;
        std::vector<std::string> memo_m, memo_b;
    };
    CommitRunStart commit_run_start_;
    int commit_run_depth_ = 0;
    bool commit_run_failed_ = false;

public:
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
    // The main window's exit path: save, ask about the pack list, record the rate list.
    void close() override;
    // A file of the data folder; an empty folder means the start folder.
    std::string data_path(const std::string& name) const;
    void wire_settings();

    // ---- Routines: what-if tables ----
    // The course of one loan at several step lengths, the loan at 46 rates, at terms of 1
    // to 50 years, and along a random rate path.
    void Button9Click(Control& sender);
    void Button10Click(Control& sender);
    void Button17Click(Control& sender);
    void Button13Click(Control& sender);
    void RadioButton1Click(Control& sender);
    void RadioButton2Click(Control& sender);
    void Edit42Click(Control& sender);
    void Edit42DblClick(Control& sender);
    void Label70Click(Control& sender);
    void Label70DblClick(Control& sender);
    void Label70RightClick(Control& sender);
    void Edit36DblClick(Control& sender);
    void wire_what_if();

private:
    // The memo title of a what-if table: "Rebanto（月返済）＊＊＊<table>＊＊＊  -- by." + tail.
    std::string what_if_title(bool bonus, const std::string& table) const;
    // Reset, memo page, basic settings kept, both memos and tables cleared and titled.
    void what_if_start(const std::string& table);
    // Both memos and tables cleared, the memos titled.
    void what_if_titles(const std::string& table);
    // Basic settings back, empty parts cleared, completion beep.
    void what_if_finish();
    // The step of a comparison row: the whole term ("最終回") or the first Edit42 months.
    void comparison_step();
    void comparison_note();
    // The random rate path after its titles and band lines.
    void random_rate_path();

public:
    // ---- Routines: loan dates and the first-payment correction ----
    // The first-payment differences: the first instalment's interest by days less the
    // regular first interest; zero when none is set.
    Money syokai_sa_m;
    Money syokai_sa_b;
    // Set by "一括計算ＧＯ" and the navigator: correct the current tables even when
    // "無補正" is ticked.
    bool syokai_forced = false;
    // The first instalments the corrected tables report: the corrected ones (Edit104s,
    // Edit109s) while a difference is set, the regular ones (Edit4, Edit9) otherwise.
    bool syokai_reports_corrected = false;
    // The part the day counter works for, and its period length in months.
    bool SyokaiBonus = false;
    int SyokaiMonths = 1;
    // "初回計算": the regular first instalments, the days and their interest, the
    // differences. Runs at the start of a loan only.
    void first_payment_reference();
    void Button50Click(Control& sender);
    void Button124Click(Control& sender);
    void Button123Click(Control& sender);
    // "各合計数値の初回訂正": the differences added to the running totals.
    void first_payment_totals_correction();
    void Button125Click(Control& sender);
    void follow_differences_in_totals();
    void Button51Click(Control& sender);
    // The correction applied when its button is showing (the composite work).
    void apply_waiting_correction(Control& sender);
    void Button52Click(Control& sender);
    void Button53Click(Control& sender);
    void Button24Click(Control& sender);
    void Button25Click(Control& sender);
    // "最終月回元金残０化": the principal left after the last row folded into its instalment.
    void fold_last_principal(bool bonus);
    void Label146Click(Control& sender);
    void CheckBox3Click(Control& sender);
    void CheckBox2Click(Control& sender);
    // A loan date or first payment date changed: normalised, then "初回計算".
    void loan_date_change(Control& sender);
    void date_field_change(Control& sender);
    void loan_date_click(Control& sender);
    void recolour_payment_dates();
    // The day counter.
    int count_days();
    void Ed1_nichiChange(Control& sender);
    void day_counter_date_change(Control& sender);
    void MsEd1_syokaiEnter(Control& sender);
    void count_first_payment_days(bool bonus);
    void open_first_payment_group(bool bonus);
    void Label6Click(Control& sender);
    void Label7Click(Control& sender);
    void Button72Click(Control& sender);
    // The reference calendar and the month calendar of the date fields.
    void DateTimePicker1Change(Control& sender);
    void DateTimePicker1RightClick(Control& sender);
    void MonthCalendar1Change(Control& sender);
    void Label162Click(Control& sender);
    void reference_date_to_field(Control& sender);
    void date_field_dbl_click(Control& sender);
    void MonthCalendar2DblClick(Control& sender);
    void MsEd8_yusiDblClick(Control& sender);
    // Loan date today, first payments a month and a bonus interval on, the day before.
    void propose_loan_dates();
    // Start-up: the reference calendar and the loan date at today.
    void start_dates();
    // The dates a fresh start leaves on "編成一括" (a loan date today with first payments
    // in 2001) and on "複合編成" (the reference dates of 1998) are replaced by dates
    // from today when the user first opens the page, until then or until the user (or a
    // pack, a replay) sets them.
    bool LoanDatesAsStarted = false;
    bool ReferenceDatesAsStarted = false;
    void dated_page_opened(Control& sender);
    void reference_date_change(Control& sender);
    void wire_dates();

    // ---- Reverse search (panel Panel4 of page "個別返済額算定") and the calculators ----
    Button Button93{*this, "Button93", "検索"};
    Panel Panel4{*this, "Panel4"};
    // The input the search varies ("算出要求値"): start rate, start principal, the
    // principal of either part, or the instalment of either part.
    Panel GrpSanYokyu{*this, "GrpSanYokyu", "算出要求値"};
    RadioButton RBut_kin{*this, "RBut_kin", "ｽﾀｰﾄ年金利"};
    RadioButton RBut_mot{*this, "RBut_mot", "ｽﾀｰﾄ総元金"};
    RadioButton RBut_Mm{*this, "RBut_Mm", "月"};
    RadioButton RBut_Mb{*this, "RBut_Mb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_Hm{*this, "RBut_Hm", "月"};
    RadioButton RBut_Hb{*this, "RBut_Hb", "ﾎﾞｰﾅｽ"};
    // The amount the chosen output must reach ("指定検索金額"); each target's tag is the
    // direction the rate search reads.
    Panel GrpShiteiKingaku{*this, "GrpShiteiKingaku", "指定検索金額"};
    Edit Edit3{*this, "Edit3", "70000"};
    RadioButton RBut_Km{*this, "RBut_Km", "月"};
    RadioButton RBut_Kb{*this, "RBut_Kb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_Rm{*this, "RBut_Rm", "月"};
    RadioButton RBut_Rb{*this, "RBut_Rb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_GRm{*this, "RBut_GRm", "月"};
    RadioButton RBut_GRb{*this, "RBut_GRb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_GMm{*this, "RBut_GMm", "月"};
    RadioButton RBut_GMb{*this, "RBut_GMb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_NewMm{*this, "RBut_NewMm", "月"};
    RadioButton RBut_NewMb{*this, "RBut_NewMb", "ﾎﾞｰﾅｽ"};
    // The output at the top and at the bottom of the input's range.
    Label Llmax{*this, "Llmax", "算出額max時"};
    Label Llmin{*this, "Llmin", "算出額min時"};
    Button Button73{*this, "Button73", "スタート"};
    Button Button102{*this, "Button102", "確定"};
    Button Button103{*this, "Button103", "元"};
    Button Button90{*this, "Button90", "中止"};
    // The calculators that drive the search.
    Button Button136{*this, "Button136", "頭金調整"};
    Button Button141{*this, "Button141", "第2頭金"};
    Button Button134{*this, "Button134", "アドオン"};
    Button Button133{*this, "Button133", "現家賃でローン"};

    // The direction of the chosen target: 0 the output rises with the rate, 1 it falls.
    int SearchDirection = 0;
    // Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin as "検索" found them.
    std::array<std::string, 6> SearchSnapshot;
    bool SearchSnapshotTaken = false;

    void Button93Click(Control& sender);
    void Button73Click(Control& sender);
    void Button102Click(Control& sender);
    void Button103Click(Control& sender);
    void Button90Click(Control& sender);
    void search_input_click(Control& sender);
    void search_target_click(Control& sender);
    void LlmaxClick(Control& sender);
    void Edit3DblClick(Control& sender);
    // The search with the chosen input, output and Edit3. False when no value of the
    // input's range reaches the target: the inputs are then put back as they were and
    // the user is told.
    bool reverse_search();
    Edit& search_input_field();
    Edit& search_output_field();
    // The output at both ends of the input's range, into Llmax and Llmin.
    void refresh_search_references();
    // Writes back six basic texts (the order of "MR"), starts the loan again and applies
    // the step length.
    void write_back_basic_settings(const std::array<std::string, 6>& texts);
    // The six basic texts in the same order; the running totals start afresh with them.
    std::array<std::string, 6> keep_basic_settings();
    // The step length of the whole term, so that the balance after the step is what the
    // last instalment leaves.
    void whole_term_period();
    void Button136Click(Control& sender);
    void Button141Click(Control& sender);
    void Button134Click(Control& sender);
    void Button133Click(Control& sender);
    void wire_reverse_search();
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionSearchTitle{*this, "CaptionSearchTitle", "逆算検索"};
    Label CaptionSearchPrincipal{*this, "CaptionSearchPrincipal", "元金"};
    Label CaptionSearchInstalment{*this, "CaptionSearchInstalment", "均等額"};
    Label CaptionSearchYen{*this, "CaptionSearchYen", "円"};
    Label CaptionSearchTargetInstalment{*this, "CaptionSearchTargetInstalment", "均等返済額"};
    Label CaptionSearchTargetInterest{*this, "CaptionSearchTargetInterest", "1回分利息"};
    Label CaptionSearchTargetInterestSum{*this, "CaptionSearchTargetInterestSum", "期間利息合計"};
    Label CaptionSearchTargetPrincipalSum{*this, "CaptionSearchTargetPrincipalSum", "期間元金合計"};
    Label CaptionSearchTargetBalance{*this, "CaptionSearchTargetBalance", "元金残"};
    Label CaptionSearchAtUpper{*this, "CaptionSearchAtUpper", "上限時"};
    Label CaptionSearchAtLower{*this, "CaptionSearchAtLower", "下限時"};

    // ---- Hooks into the rate list, the comparison window, the navigator and the tables ----
    // Opens the rate selection list beside a rate field.
    void open_rate_list(Control& field);
    // The variable-rate list starts at the loan's rate.
    void set_rate_list_start(const std::string& rate);
    // Whether the comparison window wants its row selection kept after a commit.
    bool compare_keeps_selection();
    // Enables the operations that need the monthly (or bonus) current table: the copy to
    // the composite page, saving, the navigator.
    void enable_table_operations(bool monthly, bool on);
    // Equal principal has no eased plans: only the normal plan stays selectable.
    void select_normal_plan_only();
    // Offers the stored basic settings ("MR") in the recalculation navigator too.
    void enable_navigator_recall(bool on);

    // Stored settings read by every calculation.
    Rounding instalment_rounding() const { return rounding_of_tag(HRh.tag()); }
    Rounding interest_rounding() const { return rounding_of_tag(HRr.tag()); }
    AccrualUnit accrual_unit() const { return accrual_unit_of_tag(FuriR.tag()); }
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
    Handler guard(void (TForm1::*routine)(Control&), FailureRule rule = FailureRule::Window);
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
