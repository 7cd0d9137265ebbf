// "実行" of the prepayment study: the verification repeated for every split of the budget
// between the long and the short loan, across the short loan's rates or the prepayment
// months, into the study table StGr5. Memory 5 is set aside as the pack "退避５" first and
// taken back from it at the end.
#include "compare/comparison_table.h"
#include "compare/memory_checks.h"
#include "compare/study_table.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tformhi.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace cs = comparison::study;
namespace nav = navigator;

namespace {

constexpr const char* kSetAside = "退避５";
constexpr const char* kContinue = "続けますか?";

// The last payment month of a memory's monthly table (of its bonus table without one).
std::string last_month_of(const TablesSnapshot& memory, int k) {
    const bool monthly = memory.monthly.size() > nav::kFirstDataRow;
    const std::string name = "記憶" + std::to_string(k) + (monthly ? " 月返済表" : " ﾎﾞｰﾅｽ返済表");
    return std::to_string(
        comparison::last_payment(monthly ? memory.monthly : memory.bonus, name).month);
}

const std::string& total_interest(const Grid& table) {
    return table.cell(table.row_count() - 1, comparison::kInterestSoFar);
}

}  // namespace

void TFormHi::Button6Click(Control&) {
    run_study();
}

// What the study runs over, read from the window before anything changes, and how far it
// has come.
struct TFormHi::StudyPlan {
    bool rate_mode = false;
    cs::Budget budget;
    long double base = 0;
    long double step = 0;
    int ask_at = 0;
    int rows = 0;
    int columns = 0;
    int groups = 0;
    std::int64_t start = 0;
    int done = 0;
};

bool TFormHi::run_study() {
    TForm1& f = app_.main;
    TForCur& cur = app_.cur;
    Platform& platform = app_.platform();
    Panel7.hide();
    StudyPlan plan;
    plan.start = platform.now_ms();
    if (!plan_study(plan)) return false;
    lay_out_study_table(plan);

    cur.recall_slot(5);
    const TablesSnapshot short_loan = cur.slots[4];
    f.Save_mpc(f.data_path(kSetAside));

    // A study that stops leaves memory 5 as the user set it.
    const auto stop = [&] {
        StudyRunning = false;
        cur.slots[4] = short_loan;
        return false;
    };
    StudyRunning = true;
    platform.set_wait_cursor(true);
    try {
        for (int r = 1; r <= plan.groups; ++r) {
            if (!study_group(plan, r)) {
                platform.set_wait_cursor(false);
                return stop();
            }
        }
    } catch (...) {
        platform.set_wait_cursor(false);
        stop();
        throw;
    }
    platform.set_wait_cursor(false);
    StudyRunning = false;
    f.Open_mpc(f.data_path(kSetAside));
    cur.store_slot(5);
    return true;
}

// Everything is checked before anything changes.
bool TFormHi::plan_study(StudyPlan& plan) {
    Platform& platform = app_.platform();
    if (auto problem = memories_problem()) {
        platform.message(*problem);
        return false;
    }
    plan.rate_mode = RadioButton3.checked();
    plan.budget = cs::Budget{num(Edit4), num(Edit5), num(Edit14), num(Edit15)};
    const long double last = num(Edit6);
    plan.step = num(Edit7);
    plan.ask_at = count(Edit9);
    num(Edit1);
    plan.base = plan.rate_mode ? study_rate_base(app_.cur.slots[4]) : num(Edit1);
    const cs::SizeOrProblem size =
        cs::size_of(plan.budget, last, plan.base, plan.step, plan.rate_mode);
    if (!size.size) {
        platform.message(size.problem);
        return false;
    }
    plan.rows = size.size->rows;
    plan.columns = size.size->columns;
    plan.groups = size.size->groups;
    return true;
}

void TFormHi::lay_out_study_table(const StudyPlan& plan) {
    StGr5.assign_rows(
        std::vector<std::vector<std::string>>(plan.rows, std::vector<std::string>(plan.columns)));
    StGr5.set_col_count(plan.columns);
    std::string headers[6];
    cs::amount_headers(headers);
    for (int c = 0; c < 6; ++c)
        StGr5.set_cell(0, c, headers[c]);
    put(Label28, plan.groups);
}

// One column group: the short loan's rate or the prepayment month of group r, the loans
// without prepayment, then every split of the budget. False when the study stops.
bool TFormHi::study_group(StudyPlan& plan, int r) {
    const long double value = cs::group_value(plan.base, plan.step, r);
    const int column = cs::group_column(r);
    StGr5.set_cell(0, column, cs::group_header(plan.rate_mode, value));
    StGr5.set_cell(0, column + 1, cs::kLongLastMonthHeader);
    StGr5.set_cell(0, column + 2, cs::kShortLastMonthHeader);
    if (plan.rate_mode && r > 1 && !reprice_short_loan(value)) return false;
    if (!plan.rate_mode) put(Edit1, value);
    study_without_prepayment(column);
    for (int a = cs::kFirstSplitRow; a < plan.rows; ++a) {
        if (!study_split(plan, a, column)) return false;
    }
    return true;
}

// The row without prepayment: memories 1 and 5 as they stand.
void TFormHi::study_without_prepayment(int column) {
    TForCur& cur = app_.cur;
    add_chosen(true, {1, 5});
    for (int c : {cs::kLongMonthly, cs::kShortMonthly, cs::kLongBonus, cs::kShortBonus})
        StGr5.set_cell(cs::kNoPrepaymentRow, c, "0");
    StGr5.set_cell(cs::kNoPrepaymentRow, column, total_interest(StringGrid2));
    StGr5.set_cell(cs::kNoPrepaymentRow, column + 1, last_month_of(cur.slots[0], 1));
    StGr5.set_cell(cs::kNoPrepaymentRow, column + 2, last_month_of(cur.slots[4], 5));
}

// Split row `a`: the verification with the split's prepayments, its figures into the
// group's columns, the progress shown. False when the verification stops or the user
// does not go on.
bool TFormHi::study_split(StudyPlan& plan, int a, int column) {
    TForCur& cur = app_.cur;
    Platform& platform = app_.platform();
    const cs::Split split = cs::split_of(plan.budget, a - cs::kFirstSplitRow);
    put(Edit2, split.long_monthly);
    put(Edit3, split.long_bonus);
    put(Edit52, split.short_monthly);
    put(Edit53, split.short_bonus);
    StGr5.set_cell(a, cs::kLongMonthly, Edit2.text());
    StGr5.set_cell(a, cs::kLongBonus, Edit3.text());
    StGr5.set_cell(a, cs::kShortMonthly, Edit52.text());
    StGr5.set_cell(a, cs::kShortBonus, Edit53.text());
    if (!verify()) return false;
    StGr5.set_cell(a, column, total_interest(StringGrid1));
    StGr5.set_cell(a, column + 1, last_month_of(cur.slots[2], 3));
    StGr5.set_cell(a, column + 2, last_month_of(cur.slots[3], 4));
    StGr5.set_selection(a, column);

    ++plan.done;
    const cs::TimeTexts times =
        cs::time_texts(platform.now_ms() - plan.start, plan.done, plan.groups, plan.rows);
    Label31.set_caption(times.elapsed);
    Label32.set_caption(times.per_item);
    Label33.set_caption(times.expected);
    platform.repaint();
    if (plan.done == plan.ask_at && !platform.ask(kContinue)) return false;
    return true;
}

// The short loan of memory 5 at another rate: every row of each table given the rate and
// replayed with the instalment worked out anew, then every row given the new instalment
// and replayed keeping it; the result becomes memory 5.
bool TFormHi::reprice_short_loan(long double rate) {
    TForCur& cur = app_.cur;
    TForm4& navigator = app_.navigator;
    const auto each_table = [&](const auto& fill) {
        for (RadioButton* radio : {&navigator.RadioButton1, &navigator.RadioButton2}) {
            if (!radio->enabled()) continue;
            radio->set_checked(true);
            Grid& grid = navigator.table();
            grid.set_selection(nav::kFirstDataRow, grid.selected_col());
            fill();
            navigator.Button11Click(navigator.Button11);
        }
    };
    const auto both_tables = [&] {
        navigator.ReplayStopReason.clear();
        navigator.Button9Click(navigator.Button9);
        return !replay_stopped();
    };
    cur.recall_slot(5);
    navigator.open_from_current_tables();
    each_table([&] { put(navigator.Edit1, rate); });
    navigator.CheckBox1.set_checked(false);
    navigator.Edit6.set_text("0");
    if (!both_tables()) return false;
    navigator.open_from_current_tables();
    each_table([&] { navigator.Edit3DblClick(navigator.Edit3); });
    navigator.CheckBox1.set_checked(true);
    if (!both_tables()) return false;
    cur.store_slot(5);
    return true;
}

}  // namespace rebanto
