// Committing a step ("メモ記載"): the memo lines and table rows of both parts, the running
// totals, then the move to the next step.
#include "core/field_io.h"
#include "core/memo_lines.h"
#include "core/schedule_rows.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void TForm1::commit_step() {
    PrepaymentNote.clear();
    settle_prepayments();
    update_gap_interest();
    if (num(Edit13) > 0) commit_m();
    if (num(Edit14) > 0) commit_b();
    advance_step();
    app_.cur.show();
    if (!compare_keeps_selection()) {
        for (Grid* table : {&app_.cur.StGr1, &app_.cur.StGr2}) {
            table->set_selection(table->row_count() - 1, table->selected_col());
        }
    }
}

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
std::string settle_prepayment(const char* part, Edit& prepaid, const Edit& principal,
                              const Edit& instalment, const Edit& balance, Money& surplus) {
    surplus = Money();
    if (prepaid.text() == "0" || is_empty(prepaid)) return "";
    const Money asked = money(prepaid);
    if (asked <= Money()) return "";
    const std::string head = std::string(part) + "内入 " + yen_amount(asked) + "：";
    if (!carries_principal(principal, instalment) || money(balance) <= Money()) {
        prepaid.set_text("0");
        return head + "完済後のため記載しませんでした";
    }
    if (asked <= money(balance)) return "";
    surplus = asked - money(balance);
    put(prepaid, money(balance));
    return head + "残元金 " + yen_amount(money(balance)) + "を返済し、超過分 " +
           yen_amount(surplus) + "は返済していません";
}

std::string day_flag(const RadioButton& day_interest, const Button& principal_first,
                     const Edit& days) {
    if (!day_interest.checked()) return "";
    return std::string("D") + (principal_first.tag() == 1 ? "o" : "x") + days.text();
}

}  // namespace

void TForm1::settle_prepayments() {
    const std::string monthly =
        settle_prepayment("月々の", Edit33, Edit1, Edit4, Edit5, PrepaymentSurplusM);
    const std::string bonus =
        settle_prepayment("ﾎﾞｰﾅｽの", Edit43, Edit6, Edit9, Edit10, PrepaymentSurplusB);
    PrepaymentNote = monthly.empty() ? bonus : bonus.empty() ? monthly : monthly + "　" + bonus;
    if (!PrepaymentNote.empty()) StatusBar1.set_caption(PrepaymentNote);
}

void TForm1::commit_m() {
    Grid& table = app_.cur.StGr1;
    if (nothing_committed(*this)) {
        // A pass over the bonus part alone (no monthly principal) leaves the monthly
        // instalment and its copy as they are.
        if (Edit1.tag() == 1) {
            table.set_cell(kSettingsRow, 6, Edit4.text());
            Edit104.set_text(Edit4.text());
        }
    }
    if (carries_principal(Edit1, Edit4)) {
        PeriodLine line;
        line.equal_principal = equal_principal();
        line.years = num(Ed1_yy9);
        line.months = num(Ed1_mm9);
        line.principal = money(Edit1);
        line.rate = num(Edit2);
        line.remaining = num(Ed1_Mzankaisu);
        line.instalment = money(Edit4);
        line.payment_number = StepEndMonth;
        line.last_interest = money(Edit21);
        line.payments = num(Edit13);
        line.interest = money(Edit15);
        line.principal_repaid = money(Edit16);
        line.balance = money(Edit5);
        RichEdit1.append(period_line(line));
        table.append_row(period_row(StepEndMonth, StepEndMonth, Edit1.text(), Edit2.text(),
                                    Ed1_Mzankaisu.text(), Edit4.text(), Edit21.text(),
                                    Edit13.text(), Edit15.text(), Edit16.text(), Edit5.text(),
                                    day_flag(RadioButton4, Button139, Edit28)));
        TotalsM.interest += money(Edit15) + money(Edit23);
        TotalsM.principal += money(Edit16) + money(Edit33);
        NextPrincipalM = money(Edit5) - money(Edit33);
        TotalsM.paid = TotalsM.interest + TotalsM.principal;
        LastInstalmentTextM = Edit4.text();
        Bt7_MClear.set_enabled(true);
        Button48.set_enabled(true);
        Bt0_allClear.set_enabled(true);
        enable_table_operations(true, true);
    }
    if (Edit33.text() != "0") {
        if (La_Uchi.caption() == "同時") {
            RichEdit1.append(
                prepayment_line_with_payment(StepEndMonth, money(Edit33), NextPrincipalM));
        } else {
            RichEdit1.append(prepayment_line_later(money(Edit25), StepEndMonth, count(Ed_Uchi),
                                                   La_Uchi.caption(), money(Edit23), money(Edit33),
                                                   NextPrincipalM));
        }
        table.append_row(prepayment_row(StepEndMonth, Edit5.text(), Edit27.text(), Edit25.text(),
                                        Ed_Uchi.text(), La_Uchi.caption(), Edit23.text(),
                                        Edit33.text(), general(NextPrincipalM),
                                        PrepaymentSurplusM));
        Edit33.set_text("0");
    }
    Button15.set_enabled(true);
    PanelUchi.hide();
    RadioButton3.set_checked(true);
}

void TForm1::commit_b() {
    Grid& table = app_.cur.StGr2;
    if (nothing_committed(*this)) {
        if (Edit6.tag() == 1) {
            table.set_cell(kSettingsRow, 6, Edit9.text());
            Edit109.set_text(Edit9.text());
        }
    }
    const int bonus_month = count(LabK9_b);
    const int payment_number = static_cast<int>(int_part(
        static_cast<long double>(StepEndMonth - bonus_first_months()) / bonus_interval() + 1));
    if (carries_principal(Edit6, Edit9)) {
        PeriodLine line;
        line.bonus = true;
        line.equal_principal = equal_principal();
        line.bonus_month = bonus_month;
        line.principal = money(Edit6);
        line.rate = num(Edit2);
        line.remaining = num(Ed1_Bzankaisu);
        line.instalment = money(Edit9);
        line.payment_number = payment_number;
        line.last_interest = money(Edit22);
        line.payments = num(Edit14);
        line.interest = money(Edit17);
        line.principal_repaid = money(Edit18);
        line.balance = money(Edit10);
        RichEdit2.append(period_line(line));
        table.append_row(period_row(bonus_month, payment_number, Edit6.text(), Edit2.text(),
                                    Ed1_Bzankaisu.text(), Edit9.text(), Edit22.text(),
                                    Edit14.text(), Edit17.text(), Edit18.text(), Edit10.text(),
                                    day_flag(RadioButton12, Button144, Edit29)));
        TotalsB.interest += money(Edit17) + money(Edit24);
        TotalsB.principal += money(Edit18) + money(Edit43);
        NextPrincipalB = money(Edit10) - money(Edit43);
        TotalsB.paid = TotalsB.interest + TotalsB.principal;
        LastInstalmentTextB = Edit9.text();
        Bt7_BClear.set_enabled(true);
        Button49.set_enabled(true);
        Bt0_allClear.set_enabled(true);
        enable_table_operations(false, true);
    }
    if (Edit43.text() != "0") {
        const int number = static_cast<int>(int_part(
            static_cast<long double>(bonus_month - bonus_first_months()) / bonus_interval() + 1));
        if (La_Uchi.caption() == "同時") {
            RichEdit2.append(prepayment_line_with_payment(number, money(Edit43), NextPrincipalB));
        } else {
            RichEdit2.append(prepayment_line_later(money(Edit26), number, count(Ed_Uchi),
                                                   La_Uchi.caption(), money(Edit24), money(Edit43),
                                                   NextPrincipalB));
        }
        table.append_row(prepayment_row(bonus_month, Edit10.text(), Edit27.text(), Edit26.text(),
                                        Ed_Uchi.text(), La_Uchi.caption(), Edit24.text(),
                                        Edit43.text(), general(NextPrincipalB),
                                        PrepaymentSurplusB));
        Edit43.set_text("0");
    }
    Button15.set_enabled(true);
    PanelUchi.hide();
    RadioButton11.set_checked(true);
}

void TForm1::advance_step() {
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

void TForm1::restore_step_after_term_end() {
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
