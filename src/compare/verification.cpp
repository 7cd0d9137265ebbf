// "実行" of the prepayment-effect verification: the long loan of memory 1 and the short loan
// of memory 5 each prepaid through the prepayment dialog, the long loan given the short
// loan's instalment for the months the short loan's prepayment gained, and the two
// scenarios added up and compared through the comparison's own operations.
#include "compare/memory_checks.h"
#include "core/cell_values.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tformhi.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kMonthlyPlaceholder = "月分繰上額";
constexpr const char* kBonusPlaceholder = "ボーナス分";

// An amount typed for a prepayment is read before anything changes, so that a bad one is
// named before the memories are touched; an empty field or its placeholder stands for 0.
void check_amount(const Edit& field, const char* placeholder) {
    if (!field.text().empty() && field.text() != placeholder) num(field);
}

// The row of a navigator table whose month is `month`, passing prepayment and totals rows.
int schedule_row_of(const Grid& grid, long month) {
    const std::string text = std::to_string(month);
    for (int r = nav::kFirstDataRow; r < grid.row_count(); ++r) {
        if (grid.cell(r, nav::kMonth) == text && !nav::is_totals_row(grid, r) &&
            !nav::is_prepayment_row(grid, r))
            return r;
    }
    return -1;
}

// The months and bonus payments the short loan's prepayment gained (memory 4 against the
// unchanged memory 5), and what its last payments left over or paid beyond.
struct ShortLoanGain {
    comparison::LastPayment monthly_last;
    comparison::LastPayment bonus_last;
    long months = 0;
    long bonus_payments = 0;
};

ShortLoanGain short_loan_gain(const TablesSnapshot& unchanged, const TablesSnapshot& prepaid,
                              int bonus_interval) {
    ShortLoanGain gain;
    gain.monthly_last = comparison::last_payment(prepaid.monthly, "記憶４ 月返済表");
    gain.bonus_last = comparison::last_payment(prepaid.bonus, "記憶４ ﾎﾞｰﾅｽ返済表");
    gain.months = comparison::last_payment(unchanged.monthly, "記憶５ 月返済表").month -
                  gain.monthly_last.month;
    // Bonus months step by the bonus interval: the gain is counted in bonus payments.
    gain.bonus_payments = (comparison::last_payment(unchanged.bonus, "記憶５ ﾎﾞｰﾅｽ返済表").month -
                           gain.bonus_last.month) /
                          bonus_interval;
    return gain;
}

}  // namespace

void TFormHi::Button5Click(Control&) {
    verify();
}

std::optional<std::string> TFormHi::memories_problem() const {
    const TForCur& cur = app_.cur;
    const TablesSnapshot* long_loan = cur.Button91.enabled() ? &cur.slots[0] : nullptr;
    const TablesSnapshot* short_loan = cur.Button95.enabled() ? &cur.slots[4] : nullptr;
    if (auto problem = comparison::missing_problem(long_loan, 1)) return problem;
    if (auto problem = comparison::missing_problem(short_loan, 5)) return problem;
    if (auto problem = comparison::layout_problem(*long_loan, 1)) return problem;
    if (auto problem = comparison::layout_problem(*short_loan, 5)) return problem;
    return comparison::reversal_problem(*long_loan, *short_loan);
}

bool TFormHi::verify() {
    if (auto problem = memories_problem()) {
        app_.platform().message(*problem);
        return false;
    }
    const bool split = RadioButton1.checked();
    num(Edit1);
    check_amount(Edit2, kMonthlyPlaceholder);
    check_amount(Edit3, kBonusPlaceholder);
    if (split) {
        check_amount(Edit52, kMonthlyPlaceholder);
        check_amount(Edit53, kBonusPlaceholder);
    }

    TOKBotKuriageDlg& dialog = app_.prepayment_dialog;
    TForCur& cur = app_.cur;
    dialog.CheckBox1.set_checked(true);
    dialog.CheckBox2.set_checked(CheckBox11.checked());
    dialog.Edit1.set_text(Edit1.text());
    Panel11.hide();
    if (Edit2.text() == kMonthlyPlaceholder) Edit2.set_text("");
    if (Edit3.text() == kBonusPlaceholder) Edit3.set_text("");
    if (!split) {
        Edit52.set_text(Edit2.text());
        Edit53.set_text(Edit3.text());
    }
    // The long loan prepaid into memory 2, the short loan into memory 4.
    cur.recall_slot(1);
    if (!prepay(Edit2, Edit3)) return false;
    cur.store_slot(2);
    cur.recall_slot(5);
    if (!prepay(Edit52, Edit53)) return false;
    cur.store_slot(4);

    const ShortLoanGain gain =
        short_loan_gain(cur.slots[4], cur.slots[3], app_.main.bonus_interval());
    const comparison::LastPayment& last_m = gain.monthly_last;
    const comparison::LastPayment& last_b = gain.bonus_last;

    // The long loan (prepaid in split mode) keeps the repayment capacity.
    cur.recall_slot(split ? 2 : 1);
    TForm4& navigator = app_.navigator;
    navigator.open_from_current_tables();
    navigator.CheckBox1.set_checked(CheckBox11.checked());
    navigator.Edit6.set_text(Edit1.text());
    keep_capacity(false, last_m.month, last_m.instalment, last_m.remaining, gain.months);
    keep_capacity(true, last_b.month, last_b.instalment, last_b.remaining, gain.bonus_payments);
    navigator.ReplayStopReason.clear();
    navigator.Button9Click(navigator.Button9);
    if (replay_stopped()) return false;
    cur.store_slot(3);

    add_chosen(false, {3, 4});
    if (StudyRunning) return true;
    add_chosen(true, {split ? 1 : 2, 5});
    Button3Click(Button3);
    return true;
}

// The prepayment dialog adds `monthly` and `bonus` at the month of Edit1 to the current
// tables, as a user fills it in and presses "OK".
bool TFormHi::prepay(const Edit& monthly, const Edit& bonus) {
    TOKBotKuriageDlg& dialog = app_.prepayment_dialog;
    dialog.Edit2.set_text(monthly.text());
    dialog.Edit3.set_text(bonus.text());
    app_.navigator.ReplayStopReason.clear();
    dialog.OKBtnClick(dialog.OKBtn);
    return !replay_stopped();
}

// A replay that met a cell it cannot read put the current tables back and named the cell
// in the navigator's status bar; the verification stops there with that message.
bool TFormHi::replay_stopped() {
    const std::string& why = app_.navigator.ReplayStopReason;
    if (why.empty()) return false;
    app_.platform().error("繰上効果検証を中断しました。" + why);
    return true;
}

// One side of the long loan in the navigator: at the short loan's last payment month its
// instalment takes what that payment left over (or paid beyond), and for every month (or
// bonus payment) gained after it the short loan's instalment on top of its own.
void TFormHi::keep_capacity(bool bonus, long last_month, Money instalment, Money remaining,
                            long gained) {
    TForm4& navigator = app_.navigator;
    RadioButton& radio = bonus ? navigator.RadioButton2 : navigator.RadioButton1;
    if (!radio.enabled() || last_month <= 0) return;
    radio.set_checked(true);
    Grid& grid = navigator.table();
    const int row = schedule_row_of(grid, last_month);
    if (row < 0) return;
    grid.set_selection(row, grid.selected_col());
    // Only the instalment is written into the rows.
    for (Edit* field : {&navigator.Edit1, &navigator.Edit4, &navigator.Edit2})
        field->set_text("");
    const auto down = [&navigator] { navigator.Button3Click(navigator.Button3); };
    put(navigator.Edit3, money_in(grid, row, nav::kInstalment) - remaining);
    down();
    for (long i = 0; i < gained; ++i) {
        if (nav::is_totals_row(grid, grid.selected_row())) down();
        if (nav::is_prepayment_row(grid, grid.selected_row())) down();
        put(navigator.Edit3, money_in(grid, grid.selected_row(), nav::kInstalment) + instalment);
        down();
    }
}

void TFormHi::add_chosen(bool table_b, std::initializer_list<int> memories) {
    const std::array<CheckBox*, 5> boxes =
        table_b
            ? std::array<CheckBox*, 5>{&CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10}
            : std::array<CheckBox*, 5>{&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5};
    for (int k = 1; k <= 5; ++k)
        boxes[k - 1]->set_checked(std::find(memories.begin(), memories.end(), k) != memories.end());
    add_memories(table_b);
}

}  // namespace rebanto
