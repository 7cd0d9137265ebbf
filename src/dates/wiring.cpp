// How the date fields, the first-payment correction and the reference calendar bind
// their events.
#include <initializer_list>

#include "base/errors.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// A date that is not one beeps, as it does inside the calculation; a field or a table
// cell that is not a number names itself in the window's error box.
Handler date_guard(TForm1& form, void (TForm1::*routine)(Control&), Platform& platform) {
    return [&form, routine, &platform](Control& sender) {
        try {
            (form.*routine)(sender);
        } catch (const FieldValueError&) {
            report_failure(std::current_exception(), platform, FailureRule::Window);
        } catch (const ConversionError&) {
            platform.beep(Beep::Default);
        } catch (...) {
            report_failure(std::current_exception(), platform, FailureRule::Window);
        }
    };
}

}  // namespace

void LoanDatesPage::wire_dates() {
    place_date_controls();
    describe_date_controls();
    wire_date_fields();
    wire_first_payment_buttons();
    wire_day_counter();
    wire_reference_calendar();
}

Handler LoanDatesPage::date_handler(void (TForm1::*routine)(Control&)) {
    return date_guard(main_, routine, app().platform());
}

// The dates page's controls, the day counter's group on the calculation page and the
// reference dates on the composite page, in their panels; amounts shown as money.
void LoanDatesPage::place_date_controls() {
    for (Control* c : std::initializer_list<Control*>{
             &Label134,        &MsEd8_yusi,     &Label139,       &MsEd8_mon,      &Label147,
             &MsEd8_bon,       &CheckBox3,      &Edit135,        &Edit177,        &Edit178,
             &Edit179,         &Edit115,        &Edit116,        &Edit117,        &Edit118,
             &main_.Edit104,   &main_.Edit109,  &main_.Edit104s, &main_.Edit109s, &ComboBox2,
             &Label146,        &Button50,       &Button124,      &Button123,      &Button125,
             &Button52,        &Button24,       &Button25,       &Button53,       &Label162,
             &DateTimePicker1, &MonthCalendar1, &La8_honjitu}) {
        c->set_parent(&main_.TabSheet8);
    }
    for (Control* c :
         std::initializer_list<Control*>{&main_.Label6, &main_.Label7, &main_.GrpSyokai}) {
        c->set_parent(&main_.TabSheet1);
    }
    for (Control* c : std::initializer_list<Control*>{&main_.MsEd1_yusi, &main_.La1_yotei,
                                                      &main_.MsEd1_yotei, &main_.MsEd1_syokai,
                                                      &main_.Ed1_nichi, &main_.Ed1_hiwarikingaku}) {
        c->set_parent(&main_.GrpSyokai);
    }
    for (Control* c : std::initializer_list<Control*>{&main_.Button72, &main_.MsEd7_yusi,
                                                      &main_.MsEd7_mon, &main_.MsEd7_bon}) {
        c->set_parent(&main_.TabSheet7);
    }

    for (Edit* amount : {&Edit178, &Edit179, &Edit115, &Edit116, &Edit117, &Edit118, &Edit78,
                         &Edit79, &main_.Ed1_hiwarikingaku}) {
        amount->set_money_display(true);
    }
    Label146.hide();
    main_.GrpSyokai.hide();
    MonthCalendar1.hide();
    MonthCalendar2.hide();
}

void LoanDatesPage::describe_date_controls() {
    MsEd8_yusi.set_hint("（ダブルｸﾘｯｸで本日設定）");
    MsEd8_mon.set_hint("初回返済日を入力（月返済）、赤表示は－？日数");
    MsEd8_bon.set_hint("初回返済日を入力（ボーナス返済）、赤表示は－？日数");
    Edit135.set_hint("融資実行日から月返済の初回返済日までの日歩計算対象日数");
    Edit177.set_hint("融資実行日からボーナス返済の初回返済日までの日歩計算対象日数");
    Label146.set_hint(
        "再計算ナビ経由のみ有効で編成一括での日付利用しての初回補正有無／個別・一括表等無関係");
    Button53.set_hint(
        "注．直接不可、現設定一旦パック化し利用／初回返済額・返済月月差も補正・調整した月次一括表"
        "作成");
    Button24.set_hint("最終月回での元金残を返済金額に組み込み０化します");
    Button25.set_hint("最終月回での元金残を返済金額に組み込み０化します");
    main_.Ed1_nichi.set_hint(
        "直記入もＯＫ、記入即自動計算　　（計算のみ連動・上記各日付には非連動）");
    main_.Ed1_hiwarikingaku.set_hint("－符号付きは減額・その他は増額");
    DateTimePicker1.set_hint("（右ｸﾘｯｸで多数月ｶﾚﾝﾀﾞｰOnOff）");
    for (Edit* date : {&main_.MsEd1_yusi, &main_.MsEd1_yotei, &main_.MsEd1_syokai,
                       &main_.MsEd7_yusi, &main_.MsEd7_mon, &main_.MsEd7_bon}) {
        date->set_hint(
            "日付の短い形式が yyyy/MM/dd　か　yy/MM/dd　に対応 。修正はｺﾝﾄﾛｰﾙﾊﾟﾈﾙの[地域]の[日付]"
            "頁で");
    }
}

// A date typed, clicked or double-clicked, and the pages that show dates opened.
void LoanDatesPage::wire_date_fields() {
    for (Edit* date : {&MsEd8_yusi, &MsEd8_mon, &MsEd8_bon}) {
        date->on_change = date_handler(&TForm1::loan_date_change);
        date->on_click = date_handler(&TForm1::loan_date_click);
    }
    MsEd8_mon.on_exit = date_handler(&TForm1::loan_date_click);
    MsEd8_bon.on_exit = date_handler(&TForm1::loan_date_click);
    for (Edit* date : {&main_.MsEd1_yusi, &main_.MsEd1_yotei}) {
        date->on_change = date_handler(&TForm1::day_counter_date_change);
    }
    main_.MsEd1_syokai.on_change = date_handler(&TForm1::date_field_change);
    for (Edit* date : {&main_.MsEd7_yusi, &main_.MsEd7_mon, &main_.MsEd7_bon}) {
        date->on_change = date_handler(&TForm1::reference_date_change);
    }
    const Handler page_changed = main_.PageControl1.on_change;
    main_.PageControl1.on_change =
        [page_changed, opened = date_handler(&TForm1::dated_page_opened)](Control& sender) {
            if (page_changed) page_changed(sender);
            opened(sender);
        };
    main_.MsEd1_syokai.on_enter = date_handler(&TForm1::MsEd1_syokaiEnter);
    main_.MsEd1_syokai.on_exit = date_handler(&TForm1::MsEd1_syokaiEnter);
    for (Edit* date :
         {&MsEd8_yusi, &MsEd8_mon, &MsEd8_bon, &main_.MsEd1_yusi, &main_.MsEd1_yotei,
          &main_.MsEd1_syokai, &main_.MsEd7_yusi, &main_.MsEd7_mon, &main_.MsEd7_bon}) {
        date->on_right_click = date_handler(&TForm1::reference_date_to_field);
        date->on_dbl_click = date_handler(&TForm1::date_field_dbl_click);
    }
    MsEd8_yusi.on_dbl_click = date_handler(&TForm1::MsEd8_yusiDblClick);
    for (Label* caption : {&Label134, &Label139, &Label147}) {
        caption->on_click = date_handler(&TForm1::reference_date_to_field);
    }
}

// The day options, the first-payment differences and their corrections.
void LoanDatesPage::wire_first_payment_buttons() {
    CheckBox3.on_click = date_handler(&TForm1::CheckBox3Click);
    CheckBox2.on_click = date_handler(&TForm1::CheckBox2Click);
    Button50.on_click = date_handler(&TForm1::Button50Click);
    Button124.on_click = date_handler(&TForm1::Button124Click);
    Button123.on_click = date_handler(&TForm1::Button123Click);
    Button125.on_click = date_handler(&TForm1::Button125Click);
    Button51.on_click = date_handler(&TForm1::Button51Click);
    Button52.on_click = date_handler(&TForm1::Button52Click);
    // The composite page applies a first-payment correction that waits, except to
    // pension tables.
    main_.TabSheet7.on_mouse_over = date_handler(&TForm1::apply_waiting_correction);
}

// The day counter of the calculation page and the reference first payments.
void LoanDatesPage::wire_day_counter() {
    main_.Ed1_nichi.on_change = date_handler(&TForm1::Ed1_nichiChange);
    main_.Ed1_nichi.on_key = [this](Control& sender, char32_t& key) {
        main_.numeric_key_filter(sender, key);
    };
    main_.Label6.on_click = date_handler(&TForm1::Label6Click);
    main_.Label7.on_click = date_handler(&TForm1::Label7Click);
    main_.Button72.on_click = date_handler(&TForm1::Button72Click);
}

void LoanDatesPage::wire_reference_calendar() {
    DateTimePicker1.on_change = date_handler(&TForm1::DateTimePicker1Change);
    DateTimePicker1.on_right_click = date_handler(&TForm1::DateTimePicker1RightClick);
    MonthCalendar1.on_change = date_handler(&TForm1::MonthCalendar1Change);
    MonthCalendar2.on_dbl_click = date_handler(&TForm1::MonthCalendar2DblClick);
    Label162.on_click = date_handler(&TForm1::Label162Click);
}

}  // namespace rebanto
