// The current tables after a loan run: the first rows corrected by the first-payment
// differences ("ｶﾚﾝﾄ表の初回訂正") and the month numbers aligned to the calendar of the
// first payments ("月回補正").
#include <filesystem>
#include <vector>

#include "base/date.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/numtext.h"
#include "core/cell_values.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "dates/date_columns.h"
#include "dates/month_shift.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

namespace col = schedule_col;

// The cells of a totals row that the first row's interest goes into: the settled total,
// the amount paid and the interest.
constexpr int kTotalsSums[] = {col::kPrincipal, col::kInstalment, col::kInterest};

constexpr const char* kLoanDateMarker = "実行日";

bool starts_with(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

struct CorrectedPart {
    Grid& table;
    TForm1::RunningTotals& totals;
    Money difference;
    Money reported;  // the first instalment the settings row reports
    const std::string& first_date;
};

// Corrects one table at most once: the loan-date marker of the settings row blocks a
// second correction until the table is rebuilt. Everything is read before anything is
// written, so a cell that is not a number leaves the table as it was.
void correct_first_row(const CorrectedPart& part, bool corrected, bool equal_principal,
                       const std::string& title, const std::string& loan_date) {
    Grid& t = part.table;
    if (t.row_count() <= kFirstDataRow) return;
    if (t.cell(kFirstDataRow, col::kPrincipal) == "0") return;
    if (starts_with(t.cell(kSettingsRow, date_col::kLoanDate), kLoanDateMarker)) return;

    const int r = kFirstDataRow;
    const bool first_instalment = t.cell(r, col::kEndCount) == "1";
    const bool one_instalment = t.cell(r, col::kInRow) == "1";
    const int instalment_col = equal_principal ? col::kLastInterest : col::kInstalment;
    std::string instalment = t.cell(r, col::kInstalment);
    std::string last_payment = t.cell(r, col::kLastInterest);
    std::string interest_text = t.cell(r, col::kInterest);
    std::string marker = "初回返済額無補正";
    Money interest = money_in(t, r, col::kInterest);
    // A totals row sums its rows: the difference put into the first row's interest goes
    // into every totals row of the table as well (interest, amount paid, settled total).
    std::vector<int> totals_rows;
    for (int k = kFirstDataRow; k < t.row_count(); ++k) {
        if (t.cell(k, col::kFlag) != "K") continue;
        totals_rows.push_back(k);
        for (int c : kTotalsSums)
            (void)money_in(t, k, c);
    }
    if (corrected) {
        if (first_instalment) {
            if (!equal_principal) {
                instalment = general(money_in(t, kSettingsRow, col::kInstalment) + part.difference);
            }
            last_payment = general(money_in(t, r, col::kLastInterest) + part.difference);
        }
        interest += part.difference;
        interest_text = general(interest);
        marker = "初回返済額" + format_money(part.reported);
    }
    if (first_instalment && one_instalment) {
        const std::string paid = general(money_in(t, r, col::kRepaid) + interest);
        (instalment_col == col::kInstalment ? instalment : last_payment) = paid;
    }

    if (corrected && part.difference != Money()) {
        for (int k : totals_rows) {
            for (int c : kTotalsSums)
                t.set_cell(k, c, general(money_in(t, k, c) + part.difference));
        }
        // Totals rows written later in the same run include it too.
        part.totals.interest += part.difference;
        part.totals.paid += part.difference;
    }
    t.set_cell(r, col::kInstalment, instalment);
    t.set_cell(r, col::kLastInterest, last_payment);
    t.set_cell(r, col::kInterest, interest_text);
    t.set_cell(r, col::kFlag, "");
    t.set_cell(kSettingsRow, date_col::kCorrectionTitle, "○○ " + title);
    t.set_cell(kSettingsRow, date_col::kLoanDate, kLoanDateMarker + loan_date);
    t.set_cell(kSettingsRow, date_col::kFirstPaymentDate, "初回返済日" + part.first_date);
    t.set_cell(kSettingsRow, date_col::kCorrectionMarker, marker);
}

}  // namespace

// "ｶﾚﾝﾄ表の初回訂正"
void LoanDatesPage::Button51Click(Control&) {
    Button51.hide();
    if (CheckBox2.checked() && !syokai_forced) return;
    syokai_forced = false;
    const bool corrected = !CheckBox2.checked();
    const std::string title = std::filesystem::path(Edit67.text()).filename().string();
    if (main_.Edit1.tag() == 1) {
        const Money reported = money(syokai_reports_corrected ? main_.Edit104s : main_.Edit4);
        correct_first_row({app().cur.StGr1, main_.TotalsM, syokai_sa_m, reported, MsEd8_mon.text()},
                          corrected, main_.equal_principal(), title, MsEd8_yusi.text());
    }
    if (main_.Edit6.tag() == 1) {
        const Money reported = money(syokai_reports_corrected ? main_.Edit109s : main_.Edit9);
        correct_first_row({app().cur.StGr2, main_.TotalsB, syokai_sa_b, reported, MsEd8_bon.text()},
                          corrected, main_.equal_principal(), title, MsEd8_yusi.text());
    }
}

// While the correction waits to be applied, the composite page applies it before its
// tables are used, except to pension tables.
void LoanDatesPage::apply_waiting_correction(Control&) {
    if (!Button51.visible()) return;
    for (const Grid* table : {&app().cur.StGr1, &app().cur.StGr2}) {
        if (starts_with(table->cell(kSettingsRow, col::kMethodMarker), "年金")) return;
    }
    Button51Click(Button51);
}

namespace {

// Months from the start of 1988 to the first payment: column 1 then counts the years
// from 1988 and column 2 the calendar month (0 for December of the year before).
long calendar_shift(const std::string& first_date, bool bonus) {
    const DateParts d = read_date_parts(first_date);
    int year = d.year;
    if (year <= 50) {
        year += 2000;
    } else if (year <= 99) {
        year += 1900;
    }
    if (year < 1900) year = 1998;
    return (year - 1988) * 12L + d.month - (bonus ? 6 : 1);
}

}  // namespace

// "月回補正"
void LoanDatesPage::Button52Click(Control&) {
    struct Side {
        Grid& table;
        const Edit& first_date;
        bool bonus;
    };
    for (const Side& side :
         {Side{app().cur.StGr1, MsEd8_mon, false}, Side{app().cur.StGr2, MsEd8_bon, true}}) {
        Grid& t = side.table;
        if (t.row_count() <= kFirstDataRow || t.cell(kFirstDataRow, col::kEndCount) == "-")
            continue;
        const long instalment = month_number(t, kFirstDataRow, col::kEndCount);
        const long month = month_number(t, kFirstDataRow, col::kMonth);
        const long calendar = calendar_shift(side.first_date.text(), side.bonus);
        shift_month_numbers(t, side.bonus ? instalment * 6 - month : instalment - month);
        shift_month_numbers(t, calendar);
        t.set_cell(kSettingsRow, date_col::kEraYear, "平");
        t.set_cell(kSettingsRow, date_col::kEraMonth, "成");
    }
}

}  // namespace rebanto
