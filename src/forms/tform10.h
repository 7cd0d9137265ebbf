#pragma once
// "繰上金利検討ナビゲーション": two states of the current tables compared by their interest
// totals (the base "比較元" and the new "比較新"), and the housing-loan tax credit that can
// be taken off either total.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/money.h"

#include "core/input_check.h"
#include "forms/guard.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

namespace tax_credit {
struct Regime;
struct Requirements;
struct TaxOwed;
// "－" and the captions of the regimes since 2022.
std::vector<std::string> later_regime_choices();
}  // namespace tax_credit

class TForm10 : public Form {
public:
    explicit TForm10(App& app);

    // ---- Base and new ----
    Panel Panel1{*this, "Panel1"};
    Label Label41{*this, "Label41", "比較元－支払利息総計"};
    Label Label48{*this, "Label48", "月"};
    Label Label49{*this, "Label49", "ボーナス"};
    Label Label50{*this, "Label50", "合計"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMonthsHeader{*this, "CaptionMonthsHeader", "月"};
    Label CaptionBonusMonthsHeader{*this, "CaptionBonusMonthsHeader", "ボーナス"};
    Edit Edit3{*this, "Edit3", "0"};
    Edit Edit4{*this, "Edit4", "0"};
    Edit Edit2{*this, "Edit2", "0"};
    Label Label43{*this, "Label43", "最終月回="};
    Label Label15{*this, "Label15", "000"};
    Label Label16{*this, "Label16", "000"};
    Label Label42{*this, "Label42", "比較新－支払利息総計"};
    Edit Edit7{*this, "Edit7", "0"};
    Edit Edit8{*this, "Edit8", "0"};
    Edit Edit9{*this, "Edit9", "0"};
    Label Label44{*this, "Label44", "最終月回="};
    Label Label7{*this, "Label7", "000"};
    Label Label8{*this, "Label8", "000"};
    Label Label45{*this, "Label45", "最終回の元金調整額"};
    Label Label19{*this, "Label19", "0"};
    Label Label20{*this, "Label20", "0"};
    Label Label21{*this, "Label21", "0"};
    Label Label46{*this, "Label46", "新－元＝比較増減"};
    Edit Edit10{*this, "Edit10", "0"};
    Edit Edit11{*this, "Edit11", "0"};
    Edit Edit12{*this, "Edit12", "0"};
    Label Label47{*this, "Label47", "短縮月回"};
    Label Label23{*this, "Label23", "0"};
    Label Label24{*this, "Label24", "0"};
    Edit Ed000{*this, "Ed000", "元／作業名称ログ"};
    Edit Ed999{*this, "Ed999", "新／作業名称ログ"};
    Button Button19{*this, "Button19", "合計行"};
    Button Button5{*this, "Button5", "元化→"};
    Button Button6{*this, "Button6", "新化→"};
    Button Button1{*this, "Button1", "パック読込/元"};
    Button Button17{*this, "Button17", "パック読込"};
    Button Button7{*this, "Button7", "パック保存"};
    Button Button24{*this, "Button24", "住宅ローン控除"};

    // ---- The housing-loan tax credit ----
    Panel Panel2{*this, "Panel2", "住宅ローン控除"};
    RadioButton RadioButton1{*this, "RadioButton1", "8年"};
    RadioButton RadioButton2{*this, "RadioButton2", "9・10年"};
    RadioButton RadioButton3{*this, "RadioButton3", "11～13年6月"};
    RadioButton RadioButton4{*this, "RadioButton4", "13年7月～15年末"};
    RadioButton RadioButton5{*this, "RadioButton5", "16年"};
    // The regimes since 2022 (0.7 % up to a cap by kind of house); "－" while a regime of the
    // radio buttons is in use.
    Label Label37{*this, "Label37", "令和4年以降の制度"};
    ComboBox ComboBox2{*this, "ComboBox2", tax_credit::later_regime_choices()};
    Label Label38{*this, "Label38", "年末の月表示"};
    ComboBox ComboBox1{
        *this, "ComboBox1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "0"}, 11};
    Grid StringGrid2{*this, "StringGrid2", 17, 13, 2, 1};
    Button Button25{*this, "Button25", "カレント解析"};
    Button Button26{*this, "Button26", "控除計算"};
    Label Label39{*this, "Label39", "最大控除額合計"};
    Edit Edit1{*this, "Edit1", "0"};
    Button Button27{*this, "Button27", "比較元へ"};
    Button Button28{*this, "Button28", "比較新へ"};
    Label Label31{*this, "Label31"};
    Label Label32{*this, "Label32"};
    // "[注意]": a loan that ends within ten years loses part of the credit.
    Label Label33{*this, "Label33", "[注意]"};
    Label Label34{*this, "Label34", "[注意]"};
    Label Label35{*this, "Label35", "[注意]"};
    Label Label36{*this, "Label36", "[注意]"};
    Button Button30{*this, "Button30", "→CSV"};
    Button Button29{*this, "Button29", "閉じる"};
    TrackBar UpDown1{*this, "UpDown1"};

    // ---- The credit within the tax the borrower owes (optional) ----
    // With any amount entered, each year's credit is what the income tax and the resident
    // tax can absorb and the income requirement allows; without, the maximum.
    Panel PanelZeigaku{*this, "PanelZeigaku", "税額による上限（任意）"};
    Label LabelSyotoku{*this, "LabelSyotoku", "合計所得金額"};
    Edit EdSyotoku{*this, "EdSyotoku", ""};
    Label LabelSyotokuzei{*this, "LabelSyotokuzei", "所得税額（年）"};
    Edit EdSyotokuzei{*this, "EdSyotokuzei", ""};
    Label LabelJuminzei{*this, "LabelJuminzei", "住民税額（年）"};
    Edit EdJuminzei{*this, "EdJuminzei", ""};
    RadioButton RadioMenseki50{*this, "RadioMenseki50", "50㎡以上"};
    RadioButton RadioMenseki40{*this, "RadioMenseki40", "40㎡以上50㎡未満"};
    // Per year: the maximum, the parts taken off income tax and resident tax, and the limit
    // that held the credit down.
    Grid GridZeigaku{*this, "GridZeigaku", 16, 5, 1, 1};
    // Which limits applied, by runs of years, or why the maximum is shown.
    Label LabelJougen{*this, "LabelJougen"};
    // What a tax figure that does not read means, for the status bar.
    static constexpr const char* kTaxInputConsequence = "控除額は最高額のままです";
    // The credits of the table were last worked out within the tax owed.
    bool CreditWithinTax = false;

    // The year-end balances of the last analysis, monthly and bonus ("0" after a reset).
    std::array<std::string, 15> YearEndM;
    std::array<std::string, 15> YearEndB;
    // The balance a double click took out of the table, for the next double click.
    std::string TakenBalance;

    // ---- Routines: base and new (calculators/study_base_new.cpp) ----
    void Button19Click(Control& sender);
    void Button5Click(Control& sender);
    void Button6Click(Control& sender);
    void Button1Click(Control& sender);
    void Button17Click(Control& sender);
    void Button7Click(Control& sender);
    void Ed999Change(Control& sender);
    void Ed999DblClick(Control& sender);
    void window_dbl_click();
    // The differences new − base and their colours.
    void refresh_differences();

    // ---- Routines: the tax credit (calculators/tax_credit_panel.cpp) ----
    void Button24Click(Control& sender);
    void RegimeClick(Control& sender);
    void ComboBox2Change(Control& sender);
    void Button25Click(Control& sender);
    void Button26Click(Control& sender);
    void Button27Click(Control& sender);
    void Button28Click(Control& sender);
    void Button27MouseOver(Control& sender);
    void Button28MouseOver(Control& sender);
    void Button29Click(Control& sender);
    void Button30Click(Control& sender);
    void StringGrid2DblClick(Control& sender);
    void UpDown1Change(Control& sender);
    // ---- Routines: the credit within the tax owed (calculators/tax_owed_panel.cpp) ----
    void TaxOwedChange(Control& sender);
    // The amount fields of the tax panel, for the marks of fields that do not read.
    std::vector<CheckedField> tax_owed_inputs() const;
    // The borrower's figures; none when no amount is entered or one does not read.
    std::optional<tax_credit::TaxOwed> tax_owed() const;
    // The CSV lines of the deduction table, as "→CSV" writes them.
    std::vector<std::string> csv_lines() const;

    App& app() { return app_; }

private:
    Handler guard(void (TForm10::*routine)(Control&), FailureRule rule = FailureRule::Window);
    void wire();
    // Interest totals and last months of the current tables; the new state also records
    // the principal left after the last payment.
    void record(bool new_state);
    // The regime whose rates are in the table, and the balance cap that goes with it.
    bool regime_chosen() const;
    Money credit_cap() const;
    const tax_credit::Requirements& requirements() const;
    void fill_rates(const tax_credit::Regime& regime);
    // The tax panel's part of "控除計算": the usable credit of a year from its maximum
    // (shown beside the table), and the captions that say which figures the table holds.
    Money credit_within_tax(int year, Money maximum,
                            const std::optional<tax_credit::TaxOwed>& owed);
    void show_credit_kind(const std::optional<tax_credit::TaxOwed>& owed);
    void show_tax_note();
    void clear_credit_within_tax();
    void setup_tax_owed();
    App& app_;
};

}  // namespace rebanto
