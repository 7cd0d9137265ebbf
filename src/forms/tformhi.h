#pragma once
// The comparison window "比較表": table A and table B, each the sum of a choice of the five
// memories of the current-tables window, and the difference table A − B that lines them
// up month by month. The window adds nothing itself: it drives the composite work of the
// main window and copies the composite monthly table.
#include <initializer_list>
#include <optional>
#include <string>

#include "compare/chart_series.h"
#include "compare/effect_chart.h"
#include "forms/guard.h"
#include "forms/tforcur.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

class TFormHi : public Form {
public:
    explicit TFormHi(App& app);

    // ---- Table A: the memories chosen by CheckBox1..5 ----
    Label Label1{*this, "Label1", "Ａ表"};  // tag: the title-row count of table A
    CheckBox CheckBox1{*this, "CheckBox1", "1"};
    CheckBox CheckBox2{*this, "CheckBox2", "2"};
    CheckBox CheckBox3{*this, "CheckBox3", "3"};
    CheckBox CheckBox4{*this, "CheckBox4", "4"};
    CheckBox CheckBox5{*this, "CheckBox5", "5"};
    Button Button1{*this, "Button1", "加算実行"};
    Button CSV1{*this, "CSV1", "CSV"};
    Button CSV1_suuti{*this, "CSV1_suuti", "表計算用（数値）"};
    Button Button14{*this, "Button14", "グラフ"};
    Grid StringGrid1{*this, "StringGrid1", 2, 12, 1, 3};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoriesA{*this, "CaptionMemoriesA", "記憶"};

    // ---- Table B: the memories chosen by CheckBox6..10 ----
    Label Label2{*this, "Label2", "Ｂ表"};
    CheckBox CheckBox6{*this, "CheckBox6", "1"};
    CheckBox CheckBox7{*this, "CheckBox7", "2"};
    CheckBox CheckBox8{*this, "CheckBox8", "3"};
    CheckBox CheckBox9{*this, "CheckBox9", "4"};
    CheckBox CheckBox10{*this, "CheckBox10", "5"};
    Button Button2{*this, "Button2", "加算実行"};
    Button CSV2{*this, "CSV2", "CSV"};
    Button CSV2_suuti{*this, "CSV2_suuti", "表計算用（数値）"};
    Button Button15{*this, "Button15", "グラフ"};
    Grid StringGrid2{*this, "StringGrid2", 2, 12, 1, 3};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionMemoriesB{*this, "CaptionMemoriesB", "記憶"};

    // ---- The difference table A − B ----
    Label Label3{*this, "Label3", "Ａ-Ｂ=差引比較表"};
    Button Button3{*this, "Button3", "差引計算実行"};
    Button CSV3{*this, "CSV3", "CSV"};
    Button CSV3_suuti{*this, "CSV3_suuti", "表計算用（数値）"};
    Button Button16{*this, "Button16", "グラフ"};
    Grid StringGrid3{*this, "StringGrid3", 2, 12, 1, 3};

    // Raised while the navigator rewrites the current tables: the window does not follow
    // them, and the tables keep their selected rows, until the replay is done.
    bool ReplayBusy = false;

    // What the last "グラフ" asked the chart to show.
    comparison::Chart LastChart;

    // ==== The prepayment-effect verification (right half) ====
    // Opens the verification half ("複繰効検").
    Button Button9{*this, "Button9", "複繰効検"};

    // ---- The verification's inputs ----
    Panel Panel4{*this, "Panel4"};
    Label Label5{*this, "Label5", "繰上効果検証"};
    Label Label36{*this, "Label36",
                  "【重要】必ずカレント両表の　記憶１(=長期物)　と　記憶５(=短期物)　にデータが必要"
                  "／「長短はこの２つでの比較」"};
    Label Label6{*this, "Label6", "月回"};
    Edit Edit1{*this, "Edit1", "72"};
    Label Label8{*this, "Label8", ":{1ﾍ全額→2(+5)}vs{5ﾍ全額→4(+3)}■一括繰上比較"};
    Label Label7{*this, "Label7", "月分繰上額"};
    Edit Edit2{*this, "Edit2", "2000000"};
    Label Label9{*this, "Label9", "ボーナス分"};
    Edit Edit3{*this, "Edit3", "0"};
    Label Label10{*this, "Label10", "5ﾍ繰上"};
    Edit Edit52{*this, "Edit52", "2000000"};
    Edit Edit53{*this, "Edit53", "0"};
    RadioButton RadioButton1{*this, "RadioButton1", "分散繰上"};
    RadioButton RadioButton2{*this, "RadioButton2", "全額片繰上"};
    CheckBox CheckBox11{*this, "CheckBox11", "期間短縮型"};
    Button Button5{*this, "Button5", "実行"};
    Button Button8{*this, "Button8", "分散効果検討一覧表"};
    Label Label30{*this, "Label30", "Ｂ表(長期物一括)vsＡ表(短期物一括)■差引比較表"};

    // ---- The notes panel ----
    Panel Panel11{*this, "Panel11", "『複数融資時、繰上効果検証』を利用する場合の注意事項"};
    Label Label41{*this, "Label41",
                  "必ず、[カレント両表]の記憶１へは長期物、記憶５へは短期物をユーザーがあらかじめ"
                  "[記憶]させることが絶対必要"};
    Label Label42{
        *this, "Label42",
        "→　記憶２～記憶４には計算結果が代入されるので、必要な場合事前に「保存」等して退避"
        "して下さい。"};
    Label Label43{
        *this, "Label43",
        "結果比較表の意味：分散繰上時＝指定額繰上－繰上無し現行．．全額片繰上時＝短期物全額"
        "繰上－長期物全額繰上"};

    // ---- The study: its table, its commands and its time texts ----
    Panel Panel5{*this, "Panel5"};
    Grid StGr5{*this, "StGr5", 2, 6, 2, 6};
    Button Button6{*this, "Button6", "実行"};
    Button Button10{*this, "Button10", "設定"};
    Button Button11{*this, "Button11", "増やす"};
    Button Button12{*this, "Button12", "減らす"};
    Button Button7{*this, "Button7", "グラフ化"};
    // The study table as CSV in the main window's output memo.
    Button StudyCsv{*this, "StudyCsv", "CSV"};
    Label Label31{*this, "Label31", "経過="};
    Label Label32{*this, "Label32", "時間/回="};
    Label Label33{*this, "Label33", "処理予想時間="};

    // ---- The study's settings ----
    Panel Panel7{*this, "Panel7"};
    Label Label12{*this, "Label12", "繰上金額"};
    Edit Edit4{*this, "Edit4", "3000000"};
    Label Label13{*this, "Label13", "円から"};
    Edit Edit5{*this, "Edit5", "1000000"};
    Label Label14{*this, "Label14", "円刻み"};
    Label Label15{*this, "Label15", "ボ分"};
    Edit Edit14{*this, "Edit14", "0"};
    Edit Edit15{*this, "Edit15", "0"};
    RadioButton RadioButton3{*this, "RadioButton3", "記憶５の当初金利をから金利刻み設定"};
    RadioButton RadioButton4{*this, "RadioButton4", "繰上効果検証月回からの月回刻み設定"};
    Edit Edit6{*this, "Edit6", "3"};
    Label Label16{*this, "Label16", "％まで"};  // a click adds the step to Edit6
    Edit Edit7{*this, "Edit7", "0.5"};
    Label Label17{*this, "Label17", "％刻み"};
    Label Label28{*this, "Label28", "1"};  // the number of column groups
    Edit Edit8{*this, "Edit8", "1"};
    Label Label18{*this, "Label18", "番目"};  // steps Edit8
    Label Label20{*this, "Label20", "続行確認"};
    Edit Edit9{*this, "Edit9", "2"};
    Label Label21{*this, "Label21", "回目"};  // steps Edit9
    Label Label29{*this, "Label29", "続行確認 2 回目"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionColumnGroups{*this, "CaptionColumnGroups", "列組数"};
    Button Button13{*this, "Button13", "閉じる"};

    // The window's layouts: the comparison alone, with the verification, with the study.
    enum class HalfLayout { Plain, Verification, Study };
    HalfLayout Layout = HalfLayout::Plain;
    // Where the pointer shows the notes panel: over "繰上効果検証" (false) or over "実行".
    bool NotesOnRunButton = false;
    // Split mode ("分散繰上") in force; the amounts were halved into the two loans.
    bool SplitMode = false;
    // Raised while the study runs: the verification then builds table A only.
    bool StudyRunning = false;
    // What the last "グラフ化" asked the chart window TFormG3 to show.
    comparison::EffectChart LastEffectChart;

    // ---- Routines of the verification (compare/verification_*.cpp) ----
    void Button9Click(Control& sender);
    void ModeClick(Control& sender);
    // "実行": the verification. False when it stopped (a check failed, a replay stopped).
    void Button5Click(Control& sender);
    bool verify();
    void Button8Click(Control& sender);
    void Label5DblClick(Control& sender);
    void notes_hover(Control& sender);
    void Edit1DblClick(Control& sender);

    // ---- Routines of the study (compare/study_*.cpp) ----
    void Button6Click(Control& sender);
    void SettingsClick(Control& sender);
    void GroupsClick(Control& sender);
    void StGr5Click(Control& sender);
    void Button7Click(Control& sender);
    void Button7RightClick(Control& sender);
    void StudyCsvClick(Control& sender);
    void budget_change(Control& sender);
    void columns_change(Control& sender);
    void Label16Click(Control& sender);
    void Label16RightClick(Control& sender);
    void Edit6DblClick(Control& sender);
    void Label18Click(Control& sender);
    void Label18RightClick(Control& sender);
    void Label21Click(Control& sender);
    void Label21RightClick(Control& sender);
    void ColumnModeClick(Control& sender);
    // The short loan's initial rate, the base of the study's rate columns: row 3 of memory
    // 5's monthly table (of its bonus table when it has none).
    long double study_rate_base(const TablesSnapshot& short_loan) const;
    // Where the chart widget of TFormG3 takes the study's chart.
    void show_effect_chart(const comparison::EffectChart& chart);

    // ---- Routines ----
    // "比較表" of the current-tables window has written the header rows: every operation
    // of the window may run now.
    void enable_operations();
    // "加算実行": table A (sender Button1) or table B (Button2) from the chosen memories.
    void AddClick(Control& sender);
    // "差引計算実行": the difference table from tables A and B as they stand.
    void Button3Click(Control& sender);
    // "CSV": one table as CSV lines in the output memo of the main window.
    void CsvClick(Control& sender);
    // "表計算用（数値）": one table as numbers, saved at once as CSV or workbook.
    void NumericClick(Control& sender);
    // "グラフ": the chart of one table.
    void ChartClick(Control& sender);
    // Where the chart widget takes the series of a table.
    void show_chart(const comparison::Chart& chart);

private:
    Handler guard(void (TFormHi::*routine)(Control&));
    void add_memories(bool table_b);
    void wire_verification();
    void wire_study();
    // The memories a table is summed from: ticks exactly `memories` and adds them up.
    void add_chosen(bool table_b, std::initializer_list<int> memories);
    void show_split_mode(bool split);
    // The verification's checks of memories 1 and 5: the message that stops it, or none.
    std::optional<std::string> memories_problem() const;
    bool prepay(const Edit& monthly, const Edit& bonus);
    bool replay_stopped();
    void keep_capacity(bool bonus, long last_month, Money instalment, Money remaining, long gained);
    bool run_study();
    // The steps of the study, in the order it runs them.
    struct StudyPlan;
    bool plan_study(StudyPlan& plan);
    void lay_out_study_table(const StudyPlan& plan);
    bool study_group(StudyPlan& plan, int r);
    void study_without_prepayment(int column);
    bool study_split(StudyPlan& plan, int a, int column);
    void study_group_count_changed();
    void chart_study(bool without_no_prepayment);
    bool reprice_short_loan(long double rate);
    App& app_;
};

}  // namespace rebanto
