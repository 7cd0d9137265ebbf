#pragma once
// The calculation settings of the main window: the repayment method and the
// rounding and accrual-unit indicators above the pages, the settings panel they open,
// the digit-unit popup and the window scale.
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

class CalculationSettings : public MainPage {
public:
    explicit CalculationSettings(TForm1& main) : MainPage(main) {}

    // ---- Title, repayment method and calculation-setting indicators ----
    Label Label20{form_, "Label20", "元利均等返済"};
    Edit HHkkgg{form_, "HHkkgg", "0"};
    Button Button130{form_, "Button130", "変"};
    Edit HRh{form_, "HRh"};
    Edit HRr{form_, "HRr"};
    Edit FuriR{form_, "FuriR"};

    // Digit unit popup on the title label.
    MenuItem Kta9{form_, "Kta9", "10憶円単位　ｏｒ　100%単位"};
    MenuItem Kta8{form_, "Kta8", "一憶円単位　ｏｒ　１0%単位"};
    MenuItem Kta7{form_, "Kta7", "千万円単位　ｏｒ　1%単位"};
    MenuItem Kta6{form_, "Kta6", "百万円単位　ｏｒ　0.1%単位"};
    MenuItem Kta5{form_, "Kta5", "十万円単位　ｏｒ　0.01%単位"};
    MenuItem Kta4{form_, "Kta4", "１万円単位　ｏｒ　0.001%単位"};
    MenuItem Kta3{form_, "Kta3", "１千円単位　ｏｒ　0.0001%単位"};
    MenuItem Kta2{form_, "Kta2", "１百円単位　ｏｒ　0.00001%単位"};
    MenuItem Kta1{form_, "Kta1", "１十円単位　ｏｒ　0.000001%単位"};
    MenuItem Kta0{form_, "Kta0", "１円単位　　 ｏｒ　0.0000001%単位"};
    MenuItem KtaD{form_, "KtaD", "↓下の桁単位へ"};
    MenuItem KtaU{form_, "KtaU", "↑上の桁単位へ"};

    // Window scale.
    Button Button114{form_, "Button114", "1.25倍"};
    Button Button115{form_, "Button115", "0.8倍"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionIndicatorInstalment{form_, "CaptionIndicatorInstalment", "均等額"};
    Label CaptionIndicatorInterest{form_, "CaptionIndicatorInterest", "利息"};
    Label CaptionIndicatorAccrual{form_, "CaptionIndicatorAccrual", "付利"};

    // ---- The settings panel (shown by a click on an indicator) ----
    Panel Panel5{form_, "Panel5"};
    Panel GrpKinto{form_, "GrpKinto", "計算均等額"};
    RadioButton RB11{form_, "RB11", "切り捨て"};
    RadioButton RB12{form_, "RB12", "四捨五入"};
    RadioButton RB13{form_, "RB13", "切り上げ"};
    Panel GrpRisoku{form_, "GrpRisoku", "計算利息額"};
    RadioButton RB21{form_, "RB21", "切り捨て"};
    RadioButton RB22{form_, "RB22", "四捨五入"};
    RadioButton RB23{form_, "RB23", "切り上げ"};
    Panel GrpFuri{form_, "GrpFuri", "付利単位"};
    RadioButton Furi10000{form_, "Furi10000", "10000円"};
    RadioButton Furi1000{form_, "Furi1000", "1000円"};
    RadioButton Furi100{form_, "Furi100", "100円"};
    RadioButton Furi10{form_, "Furi10", "10円"};
    RadioButton Furi1{form_, "Furi1", "1円"};
    Button Button106{form_, "Button106", "閉じる"};
    Button Button147{form_, "Button147", "設定再計算"};

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
    void wire_settings_panel();
    void place_settings_choices();
    void set_up_indicators();
    void wire_settings_choices();
    void wire_units_and_scale();
    void scale_window(long double factor);
};

}  // namespace rebanto
