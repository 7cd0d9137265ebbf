#pragma once
// The main window "Rebanto Ver7.7": owner of the loan inputs, the pages, the memos and
// the calculation settings. Controls are declared grouped by where they sit; the
// routines are defined in the folder of the subsystem they belong to.
#include <cstdint>

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

    // ---- Page "個別返済額算定" ----
    Label Label1{*this, "Label1", "年金利(％)"};
    Label Label4{*this, "Label4", "元金(円)"};
    Label Label192{*this, "Label192", "元金(円)"};
    // Bonus timing: the tags hold the interval and the first-bonus months.
    Button Button140{*this, "Button140", "ﾎﾞｰﾅｽ第2返済化"};
    Label Label187{*this, "Label187", "第1回=6ヶ月分"};

    // ---- Page "設定" ----
    Button Button86{*this, "Button86", "音有"};

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

    // ---- Routines: the one-period calculation ----
    void PRset1(Control& sender);

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
    void wire_settings_panel();
    void scale_window(long double factor);

    App& app_;
};

}  // namespace rebanto
