// Committing a step ("メモ記載"): the memo lines and table rows of both parts, the running
// totals, then the move to the next step.
#include "core/field_io.h"
#include "core/memo_lines.h"
#include "core/schedule_columns.h"
#include "core/schedule_rows.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CalculationPage::commit_step() {
    PrepaymentNote.clear();
    settle_prepayments();
    update_gap_interest();
    if (num(Edit13) > 0) commit_m();
    if (num(Edit14) > 0) commit_b();
    advance_step();
    app().cur.show();
    if (!main_.compare_keeps_selection()) {
        for (Grid* table : {&app().cur.StGr1, &app().cur.StGr2}) {
            table->set_selection(table->row_count() - 1, table->selected_col());
        }
    }
}

// The fields, memo, table and running totals of one part of the loan: the monthly and the
// bonus part commit by the same rules.
struct CalculationPage::CommitPart {
    bool bonus;
    Grid& table;
    Memo& memo;
    Edit& principal;         // the step's principal
    Edit& instalment;        // the equal instalment
    Edit& instalment_copy;   // the instalment's copy on the settings panel
    Edit& remaining;         // payments left at the start of the step
    Edit& last_interest;     // interest of the step's last payment
    Edit& payments;          // payments in the step
    Edit& interest;          // interest subtotal of the step
    Edit& principal_repaid;  // principal subtotal of the step
    Edit& balance;           // principal left after the step
    Edit& gap_interest;      // interest between the last payment and a later prepayment
    Edit& prepaid;           // the prepayment (内入) of the step
    Edit& paid_with_gap;     // prepayment and gap interest paid together
    RadioButton& day_interest;
    Button& principal_first;
    Edit& days;  // days of a day-interest payment
    Button& clear;
    Button& clear_too;
    RadioButton& after_commit;  // the prepayment choice the page returns to
    RunningTotals& totals;
    Money& next_principal;
    std::string& last_instalment_text;
    Money& surplus;  // what the prepayment asked beyond the principal left
};

namespace {

bool nothing_committed(const TForm1& f) {
    return f.Ed1_yy1.text() == "0" && f.Ed1_mm1.text() == "0";
}

// A step carries principal while its principal is above 0.3 × the instalment; below that
// only the residue of the last payment is left and no row is written.
bool carries_principal(const Edit& principal, const Edit& instalment) {
    return num(principal) > 0.3L * num(instalment);
}

// A prepayment is made from the principal the step leaves. One that finds the loan paid off
// (the step carried no principal, or left none) is not made; one larger than the principal
// left pays that principal and no more. Returns what the user is told, empty when the
// prepayment is made as asked; `surplus` is what was asked beyond the principal.
std::string settle_prepayment(const char* part_name, const TForm1::CommitPart& part) {
    Money& surplus = part.surplus;
    Edit& prepaid = part.prepaid;
    const Edit& balance = part.balance;
    surplus = Money();
    if (prepaid.text() == "0" || is_empty(prepaid)) return "";
    const Money asked = money(prepaid);
    if (asked <= Money()) return "";
    const std::string head = std::string(part_name) + "内入 " + yen_amount(asked) + "：";
    if (!carries_principal(part.principal, part.instalment) || money(balance) <= Money()) {
        prepaid.set_text("0");
        return head + "完済後のため記載しませんでした";
    }
    if (asked <= money(balance)) return "";
    surplus = asked - money(balance);
    put(prepaid, money(balance));
    return head + "残元金 " + yen_amount(money(balance)) + "を返済し、超過分 " +
           yen_amount(surplus) + "は返済していません";
}

std::string day_flag(const TForm1::CommitPart& part) {
    if (!part.day_interest.checked()) return "";
    return std::string("D") + (part.principal_first.tag() == 1 ? "o" : "x") + part.days.text();
}

}  // namespace

TForm1::CommitPart CalculationPage::commit_part_of(bool bonus) {
    return {.bonus = bonus,
            .table = bonus ? app().cur.StGr2 : app().cur.StGr1,
            .memo = bonus ? main_.RichEdit2 : main_.RichEdit1,
            .principal = bonus ? Edit6 : Edit1,
            .instalment = bonus ? Edit9 : Edit4,
            .instalment_copy = bonus ? Edit109 : Edit104,
            .remaining = bonus ? Ed1_Bzankaisu : Ed1_Mzankaisu,
            .last_interest = bonus ? Edit22 : Edit21,
            .payments = bonus ? Edit14 : Edit13,
            .interest = bonus ? Edit17 : Edit15,
            .principal_repaid = bonus ? Edit18 : Edit16,
            .balance = bonus ? Edit10 : Edit5,
            .gap_interest = bonus ? Edit24 : Edit23,
            .prepaid = bonus ? Edit43 : Edit33,
            .paid_with_gap = bonus ? Edit26 : Edit25,
            .day_interest = bonus ? RadioButton12 : RadioButton4,
            .principal_first = bonus ? Button144 : Button139,
            .days = bonus ? Edit29 : Edit28,
            .clear = bonus ? main_.Bt7_BClear : main_.Bt7_MClear,
            .clear_too = bonus ? main_.Button49 : main_.Button48,
            .after_commit = bonus ? RadioButton11 : RadioButton3,
            .totals = bonus ? TotalsB : TotalsM,
            .next_principal = bonus ? NextPrincipalB : NextPrincipalM,
            .last_instalment_text = bonus ? LastInstalmentTextB : LastInstalmentTextM,
            .surplus = bonus ? PrepaymentSurplusB : PrepaymentSurplusM};
}

void CalculationPage::settle_prepayments() {
    const std::string monthly = settle_prepayment("月々の", commit_part_of(false));
    const std::string bonus = settle_prepayment("ﾎﾞｰﾅｽの", commit_part_of(true));
    PrepaymentNote = monthly.empty() ? bonus : bonus.empty() ? monthly : monthly + "　" + bonus;
    if (!PrepaymentNote.empty()) main_.StatusBar1.set_caption(PrepaymentNote);
}

void CalculationPage::commit_m() {
    commit_part(commit_part_of(false));
}

void CalculationPage::commit_b() {
    commit_part(commit_part_of(true));
}

// The bonus payment number of a month: payments every interval from the first bonus month.
int CalculationPage::bonus_payment_number(int month) const {
    return static_cast<int>(int_part(
        static_cast<long double>(month - main_.bonus_first_months()) / main_.bonus_interval() + 1));
}

void CalculationPage::commit_part(const CommitPart& part) {
    if (nothing_committed(main_)) {
        // The first commit of a loan run records the part's instalment in the settings row;
        // a pass over the other part alone leaves this part's instalment and copy as they are.
        if (part.principal.tag() == 1) {
            part.table.set_cell(kSettingsRow, schedule_col::kInstalment, part.instalment.text());
            part.instalment_copy.set_text(part.instalment.text());
        }
    }
    // Column 0 holds the last month of the step that pays the part, column 7 the part's
    // payment number; a bonus prepayment is numbered by the bonus month itself.
    int month = StepEndMonth;
    int number = StepEndMonth;
    int prepayment_number = StepEndMonth;
    if (part.bonus) {
        month = count(LabK9_b);
        number = bonus_payment_number(StepEndMonth);
    }
    if (carries_principal(part.principal, part.instalment)) commit_period(part, month, number);
    if (part.prepaid.text() != "0") {
        if (part.bonus) prepayment_number = bonus_payment_number(month);
        commit_prepayment(part, month, prepayment_number);
    }
    Button15.set_enabled(true);
    PanelUchi.hide();
    part.after_commit.set_checked(true);
}

void CalculationPage::commit_period(const CommitPart& part, int month, int number) {
    PeriodLine line;
    line.bonus = part.bonus;
    line.equal_principal = main_.equal_principal();
    if (part.bonus) {
        line.bonus_month = month;
    } else {
        line.years = num(Ed1_yy9);
        line.months = num(Ed1_mm9);
    }
    line.principal = money(part.principal);
    line.rate = num(Edit2);
    line.remaining = num(part.remaining);
    line.instalment = money(part.instalment);
    line.payment_number = number;
    line.last_interest = money(part.last_interest);
    line.payments = num(part.payments);
    line.interest = money(part.interest);
    line.principal_repaid = money(part.principal_repaid);
    line.balance = money(part.balance);
    part.memo.append_made_later([line] { return period_line(line); });
    part.table.append_row(period_row(
        month, number, part.principal.text(), Edit2.text(), part.remaining.text(),
        part.instalment.text(), part.last_interest.text(), part.payments.text(),
        part.interest.text(), part.principal_repaid.text(), part.balance.text(), day_flag(part)));
    part.totals.interest += money(part.interest) + money(part.gap_interest);
    part.totals.principal += money(part.principal_repaid) + money(part.prepaid);
    part.next_principal = money(part.balance) - money(part.prepaid);
    part.totals.paid = part.totals.interest + part.totals.principal;
    part.last_instalment_text = part.instalment.text();
    part.clear.set_enabled(true);
    part.clear_too.set_enabled(true);
    main_.Bt0_allClear.set_enabled(true);
    main_.enable_table_operations(!part.bonus, true);
}

void CalculationPage::commit_prepayment(const CommitPart& part, int month, int number) {
    if (La_Uchi.caption() == "同時") {
        part.memo.append(
            prepayment_line_with_payment(number, money(part.prepaid), part.next_principal));
    } else {
        part.memo.append(prepayment_line_later(money(part.paid_with_gap), number, count(Ed_Uchi),
                                               La_Uchi.caption(), money(part.gap_interest),
                                               money(part.prepaid), part.next_principal));
    }
    part.table.append_row(
        prepayment_row(month, part.balance.text(), Edit27.text(), part.paid_with_gap.text(),
                       Ed_Uchi.text(), La_Uchi.caption(), part.gap_interest.text(),
                       part.prepaid.text(), general(part.next_principal), part.surplus));
    part.prepaid.set_text("0");
}

void CalculationPage::advance_step() {
    put(Edit1, NextPrincipalM);
    put(Edit6, NextPrincipalB);
    Edit101.set_text(Edit1.text());
    Edit106.set_text(Edit6.text());
    Ed1_yy1.set_text(Ed1_yy9.text());
    Ed1_mm1.set_text(Ed1_mm9.text());
    ElapsedMonths += StepMonths;
    RemainingMonths -= StepMonths;
    StepEndMonth = ElapsedMonths + StepMonths;
    put(Ed1_Mzankaisu, RemainingMonths);
    put(Ed1_Bzankaisu, count(Ed1_Bzankaisu) - count(Edit14));
    if (RemainingMonths < StepMonths) {
        // The last step shrinks to what is left of the term. The length the user chose is
        // remembered at the first shrink, so that the next loan run starts with it again.
        if (StepMonthsBeforeTermEnd <= 0) StepMonthsBeforeTermEnd = StepMonths;
        put(Edit13, RemainingMonths);
        StepMonths = RemainingMonths;
        StepEndMonth = ElapsedMonths + StepMonths;
    }
    refresh_progress();
}

void CalculationPage::restore_step_after_term_end() {
    if (StepMonthsBeforeTermEnd <= 0) return;
    const std::int64_t busy = Ed1_mm5.tag();
    Ed1_mm5.set_tag(1);  // set the length without re-running the step-length checks
    StepMonths = StepMonthsBeforeTermEnd;
    put(Edit13, StepMonths);
    put(Ed1_yy5, StepMonths / 12);
    put(Ed1_mm5, StepMonths % 12);
    Ed1_mm5.set_tag(busy);
    StepMonthsBeforeTermEnd = 0;
}

}  // namespace rebanto
