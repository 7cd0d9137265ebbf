// How the page "個別返済額算定" and the memo pages bind their events to the routines.
#include <initializer_list>

#include "core/clear_question.h"
#include "core/memo_lines.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CalculationPage::wire_calculation() {
    place_calculation_controls();
    wire_step_fields();
    wire_step_runs();
}

// The page's controls in their panels, the panels closed, the amounts shown as money.
void CalculationPage::place_calculation_controls() {
    for (Control* c : std::initializer_list<Control*>{
             &Label4,   &Edit1,      &Edit6,       &Label185,      &Label1,        &Edit2,
             &Label192, &Edit31,     &LabelZan,    &Ed1_Mzankaisu, &Ed1_Bzankaisu, &Label3,
             &Edit4,    &Edit9,      &Button4,     &Label125,      &Label214,      &Edit13,
             &Label215, &Edit14,     &LabelRisoku, &Edit15,        &Edit17,        &LabelGankin,
             &Edit16,   &Edit18,     &Label15,     &Edit21,        &Edit22,        &LabelZandaka,
             &Edit5,    &Edit10,     &LabelGaisan, &Edit19,        &Edit20,        &Label16,
             &Label11,  &Ed1_yy5,    &Label24,     &Ed1_mm5,       &Label25,       &Label31,
             &Label32,  &LabelKeika, &LabK1,       &Ed1_yy1,       &Ed1_mm1,       &LabelMade,
             &LabK9,    &Ed1_yy9,    &Ed1_mm9,     &LabelNokori,   &LabK0,         &LabK1_b,
             &LabK9_b,  &TrackBar2,  &Label196,    &Button140,     &Label187,      &But_mHiri,
             &Panel7,   &But_bHiri,  &Panel8,      &Button46,      &PanelUchi,     &Button1,
             &Button19, &Button20,   &Button76,    &Edit80,        &Button18,      &Button21,
             &CBallway, &Button110,  &Button111,   &Button15}) {
        c->set_parent(&main_.TabSheet1);
    }
    // The memo tools beside the step fields.
    for (Control* c : std::initializer_list<Control*>{&main_.Bt0_allClear, &main_.Button6,
                                                      &main_.Button48, &main_.Button49}) {
        c->set_parent(&main_.TabSheet1);
    }
    for (Control* c : std::initializer_list<Control*>{&RadioButton3, &RadioButton4, &Edit28,
                                                      &Label206, &But_mDainyu, &Button139}) {
        c->set_parent(&Panel7);
    }
    for (Control* c : std::initializer_list<Control*>{&RadioButton11, &RadioButton12, &Edit29,
                                                      &But_bDainyu, &Button144}) {
        c->set_parent(&Panel8);
    }
    for (Control* c :
         std::initializer_list<Control*>{&Edit33, &Edit43, &La_Uchi, &Ed_Uchi, &Edit27, &Edit23,
                                         &Edit24, &Edit25, &Edit26, &ButUGaku}) {
        c->set_parent(&PanelUchi);
    }
    Edit30.hide();
    Edit34.hide();
    Panel7.hide();
    Panel8.hide();
    PanelUchi.hide();
    Button21.hide();
    CBallway.hide();
    Button111.set_enabled(false);
    Button15.set_enabled(false);
    RadioButton3.set_checked(true);
    RadioButton11.set_checked(true);
    Label25.set_tag(6);
    for (Edit* amount :
         {&main_.Ed0_moto, &Edit1,   &Edit6,   &Edit4,   &Edit9,   &Edit5,    &Edit10,
          &Edit15,         &Edit17,  &Edit16,  &Edit18,  &Edit21,  &Edit22,   &Edit19,
          &Edit20,         &Edit101, &Edit106, &Edit104, &Edit109, &Edit104s, &Edit109s,
          &Edit33,         &Edit43,  &Edit23,  &Edit24,  &Edit25,  &Edit26}) {
        amount->set_money_display(true);
    }
    Edit31.set_read_only(true);
}

// The step fields, the one-payment options and the intermediate prepayment.
void CalculationPage::wire_step_fields() {
    const Handler prset1 = [this](Control& sender) { PRset1(sender); };
    for (Edit* input : {&main_.Ed0_moto, &main_.Ed0_kin, &main_.Ed0_nen, &main_.Ed0_tuki,
                        &main_.Ed0_wari, &Edit1, &Edit6, &Edit101, &Edit106, &Edit2, &Edit29}) {
        input->on_change = prset1;
    }
    const Handler leave_principal = [this](Control&) {
        if ((Edit1.text() == "0" || Edit6.text() == "0") && ElapsedMonths == 0)
            PRset1(main_.Ed0_kin);
    };
    Edit1.on_exit = leave_principal;
    Edit6.on_exit = leave_principal;
    const Handler leave_rate = [this](Control&) { app().rate_list.hide(); };
    Edit2.on_exit = leave_rate;
    main_.Ed0_kin.on_exit = leave_rate;
    Ed1_Mzankaisu.on_change = guard(&TForm1::remaining_count_change, FailureRule::Calculation);
    Ed1_Bzankaisu.on_change = guard(&TForm1::remaining_count_change, FailureRule::Calculation);
    for (Edit* instalment : {&Edit4, &Edit9, &Edit104, &Edit109, &Edit104s, &Edit109s}) {
        instalment->on_change = guard(&TForm1::Button4Click, FailureRule::Calculation);
        instalment->on_click = guard(&TForm1::Button4Click, FailureRule::Calculation);
    }
    for (Edit* instalment : {&Edit4, &Edit9})
        instalment->on_change = guard(&TForm1::instalment_change, FailureRule::Calculation);
    Button4.on_click = guard(&TForm1::Button4Click, FailureRule::Calculation);
    for (Edit* length : {&Ed1_yy5, &Ed1_mm5, &Edit13}) {
        length->on_change = guard(&TForm1::Ed1_mm5Change, FailureRule::Calculation);
    }

    But_mHiri.on_click = guard(&TForm1::But_mHiriClick, FailureRule::Calculation);
    But_bHiri.on_click = guard(&TForm1::But_bHiriClick, FailureRule::Calculation);
    RadioButton3.on_click = guard(&TForm1::RadioButton3Click, FailureRule::Calculation);
    RadioButton4.on_click = guard(&TForm1::RadioButton3Click, FailureRule::Calculation);
    Edit28.on_change = guard(&TForm1::RadioButton3Click, FailureRule::Calculation);
    RadioButton11.on_click = guard(&TForm1::RadioButton11Click, FailureRule::Calculation);
    RadioButton12.on_click = guard(&TForm1::RadioButton11Click, FailureRule::Calculation);
    But_mDainyu.on_click = guard(&TForm1::But_mDainyuClick, FailureRule::Calculation);
    But_bDainyu.on_click = guard(&TForm1::But_bDainyuClick, FailureRule::Calculation);
    Button139.on_click = guard(&TForm1::Button139Click, FailureRule::Calculation);
    Button144.on_click = guard(&TForm1::Button144Click, FailureRule::Calculation);

    for (Edit* field : {&Edit33, &Edit43, &Ed_Uchi, &Edit27}) {
        field->on_change = guard(&TForm1::Edit33Change, FailureRule::Calculation);
    }
    Button46.on_click = guard(&TForm1::Button46Click, FailureRule::Calculation);
    La_Uchi.on_click = guard(&TForm1::La_UchiClick, FailureRule::Calculation);
    La_Uchi.on_dbl_click = guard(&TForm1::La_UchiDblClick, FailureRule::Calculation);
    ButUGaku.on_click = guard(&TForm1::ButUGakuClick, FailureRule::Calculation);
    Edit5.on_dbl_click = guard(&TForm1::Edit5DblClick, FailureRule::Calculation);
    Edit10.on_dbl_click = guard(&TForm1::Edit5DblClick, FailureRule::Calculation);
}

// "メモ記載" and the runs of many steps, the progress bar, leaving the page, the key filter.
void CalculationPage::wire_step_runs() {
    Button1.on_click = guard(&TForm1::Button1Click, FailureRule::Calculation);
    Button1.on_mouse_over = guard(&TForm1::Button1MouseOver, FailureRule::Calculation);
    Button19.on_click = guard(&TForm1::Button19Click, FailureRule::Calculation);
    Button20.on_click = guard(&TForm1::Button20Click, FailureRule::Calculation);
    Button76.on_click = guard(&TForm1::Button76Click, FailureRule::Calculation);
    Button18.on_click = guard(&TForm1::Button18Click, FailureRule::Calculation);
    Button21.on_click = guard(&TForm1::Button21Click, FailureRule::Calculation);
    Button110.on_click = guard(&TForm1::Button110Click, FailureRule::Calculation);
    Button111.on_click = guard(&TForm1::Button111Click, FailureRule::Calculation);
    Button15.on_click = guard(&TForm1::Button15Click, FailureRule::Calculation);
    N5kibun.on_click = guard(&TForm1::Button19Click, FailureRule::Calculation);
    N10kibun.on_click = guard(&TForm1::Button20Click, FailureRule::Calculation);
    NShiteiKibun.on_click = guard(&TForm1::Button76Click, FailureRule::Calculation);
    NSaigo.on_click = guard(&TForm1::Button18Click, FailureRule::Calculation);
    NMemoKisai.on_click = [this](Control&) { Button1Click(Button1); };
    TrackBar2.on_change = guard(&TForm1::TrackBar2Change, FailureRule::Calculation);

    // Leaving the page at the end of the term starts the loan again.
    main_.TabSheet1.on_exit = [this](Control&) {
        if (TotalMonths > 0 && StepEndMonth >= TotalMonths) PRset1(main_.Ed0_moto);
    };
    for (Edit* field :
         {&main_.Ed0_moto, &main_.Ed0_kin, &main_.Ed0_nen, &main_.Ed0_tuki, &main_.Ed0_wari,
          &Edit1,          &Edit6,         &Edit2,         &Ed1_Mzankaisu,  &Ed1_Bzankaisu,
          &Edit4,          &Edit9,         &Edit13,        &Edit14,         &Ed1_yy5,
          &Ed1_mm5,        &Edit28,        &Edit29,        &Edit33,         &Edit43,
          &Ed_Uchi,        &Edit27,        &Edit25,        &Edit26,         &Edit80,
          &Edit101,        &Edit106,       &Edit104,       &Edit109}) {
        field->on_key = [this](Control& sender, char32_t& key) { numeric_key_filter(sender, key); };
    }
}

void MemoPages::wire_memo_pages() {
    for (Control* c : std::initializer_list<Control*>{&RichEdit1, &Bt7_MClear, &Button2, &Button40,
                                                      &Button5, &UpDown1, &Label_m}) {
        c->set_parent(&main_.TabSheet3);
    }
    for (Control* c : std::initializer_list<Control*>{&RichEdit2, &Bt7_BClear, &Button7, &Button41,
                                                      &Button8, &UpDown2, &Label_b}) {
        c->set_parent(&main_.TabSheet4);
    }
    RichEdit1.set_lines({"ローンRebanto（月返済）", ""});
    RichEdit2.set_lines({"ローンRebanto（ボーナス返済）", ""});
    RichEdit1.set_font_name("ＭＳ明朝");
    RichEdit2.set_font_name("ＭＳ明朝");
    RichEdit2.set_italic(true);
    Button40.set_hint("ＭＳ明朝・標準・黒・サイズは10P");
    Button41.set_hint("ＭＳ明朝・イタリック・黒・サイズは10P");
    for (TrackBar* stepper : {&UpDown1, &UpDown2}) {
        stepper->set_range(5, 100);
        stepper->set_position(10);
        stepper->on_change = guard(&TForm1::memo_size_change, FailureRule::Calculation);
    }
    main_.Ed5_memoobi.set_text(standard_band(false));
    for (Button* b : {&Bt7_MClear, &Button48, &Bt7_BClear, &Button49, &Bt0_allClear}) {
        b->set_enabled(false);
    }
    Label_m.hide();
    Label_b.hide();
    Label_mem.hide();

    Bt7_MClear.on_click = guard(&TForm1::Bt7_MClearClick, FailureRule::Calculation);
    Button48.on_click = guard(&TForm1::Bt7_MClearClick, FailureRule::Calculation);
    Bt7_BClear.on_click = guard(&TForm1::Bt7_BClearClick, FailureRule::Calculation);
    Button49.on_click = guard(&TForm1::Bt7_BClearClick, FailureRule::Calculation);
    Bt0_allClear.on_click = [this, clear = guard(&TForm1::Bt0_allClearClick,
                                                 FailureRule::Calculation)](Control& sender) {
        if (clearing_erases_work(main_, app().cur) && !app().platform().ask(kClearAllQuestion)) {
            return;
        }
        clear(sender);
    };
    Button6.on_click = guard(&TForm1::Button6Click, FailureRule::Calculation);
    Button2.on_click = guard(&TForm1::memo_font_click, FailureRule::Calculation);
    Button7.on_click = guard(&TForm1::memo_font_click, FailureRule::Calculation);
    Button40.on_click = guard(&TForm1::memo_initial_font_click, FailureRule::Calculation);
    Button41.on_click = guard(&TForm1::memo_initial_font_click, FailureRule::Calculation);
    Button5.on_click = guard(&TForm1::memo_print_click, FailureRule::Calculation);
    Button8.on_click = guard(&TForm1::memo_print_click, FailureRule::Calculation);
    for (Memo* memo : {&RichEdit1, &RichEdit2}) {
        memo->on_enter = [this](Control&) {
            main_.StatusBar1.set_caption("印刷のために表現を整えて下さい");
        };
        memo->on_click = guard(&TForm1::memo_page_click, FailureRule::Calculation);
        memo->on_right_click = guard(&TForm1::memo_page_right_click, FailureRule::Calculation);
    }
}

}  // namespace rebanto
