#pragma once
// The dates half of the page "編成一括" of the main window: the loan date, the first
// payment dates, the day counter, the first-payment differences and "一括計算ＧＯ".
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

class LoanDatesPage : public MainPage {
public:
    explicit LoanDatesPage(TForm1& main) : MainPage(main) {}

    // ---- Page "編成一括" ----
    // Months before the first payment, as the lender's schedule counts them.
    Edit Edit35{form_, "Edit35", "6"};
    // The loan date and the first monthly and bonus payment dates ("yyyy/mm/dd"); a
    // click on a caption copies the reference calendar's date into its field.
    Label Label134{form_, "Label134", "融資実行日"};
    Edit MsEd8_yusi{form_, "MsEd8_yusi", "2001/05/21"};
    Label Label139{form_, "Label139", "月返済"};
    Edit MsEd8_mon{form_, "MsEd8_mon", "2001/06/20"};
    Label Label147{form_, "Label147", "ボーナス返済"};
    Edit MsEd8_bon{form_, "MsEd8_bon", "2001/07/20"};
    // Count the loan day too (both ends) instead of one end.
    CheckBox CheckBox3{form_, "CheckBox3", "当日含"};
    CheckBox CheckBox2{form_, "CheckBox2", "無補正"};
    // Days from the loan date to the first monthly / bonus payment, and their interest.
    Edit Edit135{form_, "Edit135", "0"};
    Edit Edit177{form_, "Edit177", "0"};
    Edit Edit178{form_, "Edit178", "0"};
    Edit Edit179{form_, "Edit179", "0"};
    // A regular first instalment: interest and principal part, monthly and bonus.
    Edit Edit115{form_, "Edit115", "0"};
    Edit Edit116{form_, "Edit116", "0"};
    Edit Edit117{form_, "Edit117", "0"};
    Edit Edit118{form_, "Edit118", "0"};
    // What "一括計算ＧＯ" builds.
    ComboBox ComboBox2{form_, "ComboBox2", batch_calculation_types()};
    Edit Edit67{form_, "Edit67", "標準（無指定）"};
    // The first-payment differences, monthly and bonus.
    Edit Edit78{form_, "Edit78", "0"};
    Edit Edit79{form_, "Edit79", "0"};
    // Shown while a first-payment difference is set.
    Label Label146{form_, "Label146", "初回"};
    Button Button50{form_, "Button50", "初回計算"};
    Button Button124{form_, "Button124", "初回差額設定"};
    Button Button123{form_, "Button123", "初回差額クリアー"};
    Button Button125{form_, "Button125", "各合計数値の初回訂正"};
    Button Button51{form_, "Button51", "ｶﾚﾝﾄ表の初回訂正"};
    Button Button52{form_, "Button52", "月回補正"};
    Button Button24{form_, "Button24", "最終月回元金残０化"};
    Button Button25{form_, "Button25", "最終月回元金残０化"};
    Button Button53{form_, "Button53", "一括計算ＧＯ"};
    Button Button26{form_, "Button26", "初回補正の有無"};
    // The reference calendar: the picker, its multi-month calendar, and today.
    Label Label162{form_, "Label162", "参照ｶﾚﾝﾀﾞｰ"};
    DateTimePicker DateTimePicker1{form_, "DateTimePicker1"};
    MonthCalendar MonthCalendar1{form_, "MonthCalendar1"};
    Label La8_honjitu{form_, "La8_honjitu"};
    // The month calendar a double click on a date field opens, for that field.
    MonthCalendar MonthCalendar2{form_, "MonthCalendar2"};
    Edit* CalendarTarget = nullptr;
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionLoanDates{form_, "CaptionLoanDates", "融資実行日と初回返済日"};
    Label CaptionMonthlyDays{form_, "CaptionMonthlyDays", "日数"};
    Label CaptionMonthlyDayInterest{form_, "CaptionMonthlyDayInterest", "日割利息"};
    Label CaptionBonusDays{form_, "CaptionBonusDays", "日数"};
    Label CaptionBonusDayInterest{form_, "CaptionBonusDayInterest", "日割利息"};
    Label CaptionFirstDeferral{form_, "CaptionFirstDeferral", "初回据置月数"};
    Label CaptionFirstInstalments{form_, "CaptionFirstInstalments", "初回返済額"};
    Label CaptionFirstMonthlyHeader{form_, "CaptionFirstMonthlyHeader", "月返済"};
    Label CaptionNormalFirstInterest{form_, "CaptionNormalFirstInterest", "通常初回利息"};
    Label CaptionNormalFirstPrincipal{form_, "CaptionNormalFirstPrincipal", "通常初回元金"};
    Label CaptionNormalInstalment{form_, "CaptionNormalInstalment", "通常返済額"};
    Label CaptionCorrectedFirst{form_, "CaptionCorrectedFirst", "補正初回返済額"};
    Label CaptionFirstGap{form_, "CaptionFirstGap", "初回差額"};
    Label CaptionTableCorrections{form_, "CaptionTableCorrections", "ｶﾚﾝﾄ表"};
    Label CaptionCorrectionMonthly{form_, "CaptionCorrectionMonthly", "月返済"};
    Label CaptionBatchKind{form_, "CaptionBatchKind", "計算種別"};
    Label CaptionBatchTitle{form_, "CaptionBatchTitle", "ﾀｲﾄﾙ"};

    // ---- Routines: loan dates and the first-payment correction ----
    // The first-payment differences: the first instalment's interest by days less the
    // regular first interest; zero when none is set.
    Money syokai_sa_m;
    Money syokai_sa_b;
    // Set by "一括計算ＧＯ" and the navigator: correct the current tables even when
    // "無補正" is ticked.
    bool syokai_forced = false;
    // The first instalments the corrected tables report: the corrected ones (Edit104s,
    // Edit109s) while a difference is set, the regular ones (Edit4, Edit9) otherwise.
    bool syokai_reports_corrected = false;
    // The part the day counter works for, and its period length in months.
    bool SyokaiBonus = false;
    int SyokaiMonths = 1;
    // "初回計算": the regular first instalments, the days and their interest, the
    // differences. Runs at the start of a loan only.
    void first_payment_reference();
    void Button50Click(Control& sender);
    void Button124Click(Control& sender);
    void Button123Click(Control& sender);
    // "各合計数値の初回訂正": the differences added to the running totals.
    void first_payment_totals_correction();
    void Button125Click(Control& sender);
    void follow_differences_in_totals();
    void Button51Click(Control& sender);
    // The correction applied when its button is showing (the composite work).
    void apply_waiting_correction(Control& sender);
    void Button52Click(Control& sender);
    void Button53Click(Control& sender);
    void Button24Click(Control& sender);
    void Button25Click(Control& sender);
    // "最終月回元金残０化": the principal left after the last row folded into its instalment.
    void fold_last_principal(bool bonus);
    void Label146Click(Control& sender);
    void CheckBox3Click(Control& sender);
    void CheckBox2Click(Control& sender);
    // A loan date or first payment date changed: normalised, then "初回計算".
    void loan_date_change(Control& sender);
    void date_field_change(Control& sender);
    void loan_date_click(Control& sender);
    void recolour_payment_dates();
    // The day counter.
    int count_days();
    void Ed1_nichiChange(Control& sender);
    void day_counter_date_change(Control& sender);
    void MsEd1_syokaiEnter(Control& sender);
    void count_first_payment_days(bool bonus);
    void open_first_payment_group(bool bonus);
    void Label6Click(Control& sender);
    void Label7Click(Control& sender);
    void Button72Click(Control& sender);
    // The reference calendar and the month calendar of the date fields.
    void DateTimePicker1Change(Control& sender);
    void DateTimePicker1RightClick(Control& sender);
    void MonthCalendar1Change(Control& sender);
    void Label162Click(Control& sender);
    void reference_date_to_field(Control& sender);
    void date_field_dbl_click(Control& sender);
    void MonthCalendar2DblClick(Control& sender);
    void MsEd8_yusiDblClick(Control& sender);
    // Loan date today, first payments a month and a bonus interval on, the day before.
    void propose_loan_dates();
    // Start-up: the reference calendar and the loan date at today.
    void start_dates();
    // The dates a fresh start leaves on "編成一括" (a loan date today with first payments
    // in 2001) and on "複合編成" (the reference dates of 1998) are replaced by dates
    // from today when the user first opens the page, until then or until the user (or a
    // pack, a replay) sets them.
    bool LoanDatesAsStarted = false;
    bool ReferenceDatesAsStarted = false;
    void dated_page_opened(Control& sender);
    void reference_date_change(Control& sender);
    void wire_dates();
    void place_date_controls();
    void describe_date_controls();
    void wire_date_fields();
    void wire_first_payment_buttons();
    void wire_day_counter();
    void wire_reference_calendar();
    // A routine as a handler: a date that is not one beeps, a bad field names itself.
    Handler date_handler(void (TForm1::*routine)(Control&));
};

}  // namespace rebanto
