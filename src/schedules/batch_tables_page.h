#pragma once
// The page "一括表" of the main window: the what-if tables and the loan-product
// schedules (corporation plans, bank loans at a fixed rate and on the variable-rate list).
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

class BatchTablesPage : public MainPage {
public:
    explicit BatchTablesPage(TForm1& main) : MainPage(main) {}

    // ---- Page "一括表" (the parts the calculation reads) ----
    Button Button67{form_, "Button67", "ﾎﾞｰﾅｽ"};
    Edit Edit42{form_, "Edit42", "6"};

    // ---- Page "一括表": what-if tables ----
    Button Button9{form_, "Button9", "いろいろな時点・期間での推移表"};
    Button Button10{form_, "Button10", "金利の違い比較表"};
    Button Button17{form_, "Button17", "返済期間の違い比較表"};
    Button Button13{form_, "Button13", "金利変動ｼﾐｭﾚｰｼｮﾝ"};
    // Options shared by the rate and the term comparisons; Edit42 above is its month field.
    Panel GroupBox7{form_, "GroupBox7", "右欄共通"};
    RadioButton RadioButton1{form_, "RadioButton1", "最終回"};
    RadioButton RadioButton2{form_, "RadioButton2", "期間 当初"};
    Label Label70{form_, "Label70", "ヶ月"};
    // The rate increment of the rate comparison (percent) and the years of the random path.
    Edit Edit32{form_, "Edit32", "0.125"};
    Edit Edit36{form_, "Edit36", "20"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionRateStep{form_, "CaptionRateStep", "金利刻み"};
    Label CaptionRateStepUnit{form_, "CaptionRateStepUnit", "％"};
    Label CaptionVariableYears{form_, "CaptionVariableYears", "変動ｼﾐｭﾚｰｼｮﾝ年数"};
    Label CaptionVariableYearsUnit{form_, "CaptionVariableYearsUnit", "年"};

    // ---- Page "一括表": loan-product schedules ----
    // Corporation plans, summaries on one page (upper half).
    Panel GrpKouko{form_, "GrpKouko", "住宅金融公庫等"};
    Button Button12{form_, "Button12", "公庫通常返済"};
    Button Button11{form_, "Button11", "公庫ゆとり返済"};
    // Rate presets: corporation base and surcharged rates, bank general and special rates.
    Button Button59{form_, "Button59", "基"};
    Button Button60{form_, "Button60", "加"};
    Button Button64{form_, "Button64", "一"};
    Button Button65{form_, "Button65", "特"};
    // Corporation plans, full schedules (lower half).
    Panel GroupBox10{form_, "GroupBox10", "住宅金融公庫等"};
    RadioButton RadioButton9{form_, "RadioButton9", "通常返済"};
    RadioButton RadioButton10{form_, "RadioButton10", "ゆとり返済"};
    Button Button61{form_, "Button61", "月返済"};
    Button Button62{form_, "Button62", "ﾎﾞｰﾅｽ"};
    Button Button63{form_, "Button63", "一括"};
    // Bank loans at one fixed rate (Button67 "ﾎﾞｰﾅｽ" above belongs to this group).
    Panel GroupBox11{form_, "GroupBox11", "一般(全固定金利)"};
    Button Button66{form_, "Button66", "月返済"};
    Button Button68{form_, "Button68", "一括"};
    // Bank loans following the variable-rate list.
    Panel GroupBox12{form_, "GroupBox12", "一般(変動金利ｼﾐｭﾚｰｼｮﾝ)"};
    Button Bt2_hendo_mon{form_, "Bt2_hendo_mon", "月返済"};
    Button Bt2_hendo_bon{form_, "Bt2_hendo_bon", "ﾎﾞｰﾅｽ"};
    Button Button74{form_, "Button74", "一括"};
    RadioButton RdBt2_kotei{form_, "RdBt2_kotei", "当初固定金利期間 指定"};
    RadioButton RdBt2_non_kotei{form_, "RdBt2_non_kotei", "固定期間無"};
    Edit Ed2_kotei_yy{form_, "Ed2_kotei_yy", "3"};
    Label Label82{form_, "Label82", "年"};
    Label La2_hensai1tei{form_, "La2_hensai1tei", "返済額一定期間"};
    Edit Ed2_hensai1tei_yy{form_, "Ed2_hensai1tei_yy", "5"};
    Button Button54{form_, "Button54", "変動金利リスト"};
    // Whether the list follows the calendar of the loan dates: "基準" or "基無".
    Button Button91{form_, "Button91", "基無"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionGeneralRates{form_, "CaptionGeneralRates", "一般金利"};

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
    void set_up_schedule_controls();
    void wire_batch_table_buttons();
    void wire_rate_list();
    void wire_variable_rate_group();
    void wire_numeric_fields();
    void follow_other_pages();

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
};

}  // namespace rebanto
