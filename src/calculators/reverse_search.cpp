// The reverse-search panel of the main window: which input the search varies, which output
// must reach the amount in Edit3, the outputs at both ends of the input's range, and the
// snapshot of the basic settings that "元" and "中止" put back.
#include <array>
#include <initializer_list>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// A target of the monthly part and its twin of the bonus part.
struct TargetTwins {
    RadioButton& monthly;
    RadioButton& bonus;
    Edit& monthly_field;
    Edit& bonus_field;
};

std::array<TargetTwins, 5> target_twins(TForm1& f) {
    return {{{f.RBut_Km, f.RBut_Kb, f.Edit4, f.Edit9},
             {f.RBut_Rm, f.RBut_Rb, f.Edit21, f.Edit22},
             {f.RBut_GRm, f.RBut_GRb, f.Edit15, f.Edit17},
             {f.RBut_GMm, f.RBut_GMb, f.Edit16, f.Edit18},
             {f.RBut_NewMm, f.RBut_NewMb, f.Edit5, f.Edit10}}};
}

// The targets an input can steer: every target for a basic setting, one part's targets for
// that part's principal or instalment, never the instalment that is itself the input. A
// chosen target that is no longer offered moves to its twin (or, off the instalment, to
// the interest of one instalment).
void offer_targets(TForm1& f, const Control& input) {
    const bool basic = &input == &f.RBut_kin || &input == &f.RBut_mot;
    const bool bonus = &input == &f.RBut_Mb || &input == &f.RBut_Hb;
    for (TargetTwins& twins : target_twins(f)) {
        twins.monthly.set_enabled(basic || !bonus);
        twins.bonus.set_enabled(basic || bonus);
        if (bonus && twins.monthly.checked()) {
            twins.bonus.set_checked(true);
        } else if (!bonus && twins.bonus.checked()) {
            twins.monthly.set_checked(true);
        }
    }
    if (&input == &f.RBut_Hm) {
        f.RBut_Km.set_enabled(false);
        if (f.RBut_Km.checked()) f.RBut_Rm.set_checked(true);
    } else if (&input == &f.RBut_Hb) {
        f.RBut_Kb.set_enabled(false);
        if (f.RBut_Kb.checked()) f.RBut_Rb.set_checked(true);
    }
}

}  // namespace

void ReverseSearchPanel::wire_reverse_search() {
    place_search_controls();
    describe_search_controls();
    wire_search_choices();
    wire_search_buttons();
}

// The panel's controls in place, and the choices it starts with.
void ReverseSearchPanel::place_search_controls() {
    for (Control* c : std::initializer_list<Control*>{&Button93, &Panel4, &Button136, &Button141,
                                                      &Button134, &Button133}) {
        c->set_parent(&main_.TabSheet1);
    }
    for (Control* c :
         std::initializer_list<Control*>{&GrpSanYokyu, &GrpShiteiKingaku, &Llmax, &Llmin, &Button73,
                                         &Button102, &Button103, &Button90}) {
        c->set_parent(&Panel4);
    }
    for (RadioButton* input : {&RBut_kin, &RBut_mot, &RBut_Mm, &RBut_Mb, &RBut_Hm, &RBut_Hb})
        input->set_parent(&GrpSanYokyu);
    Edit3.set_parent(&GrpShiteiKingaku);
    for (TargetTwins& twins : target_twins(main_)) {
        twins.monthly.set_parent(&GrpShiteiKingaku);
        twins.bonus.set_parent(&GrpShiteiKingaku);
    }
    // The choices at start, made before the handlers are bound: they would run the
    // calculation, which is not ready yet.
    RBut_Mm.set_checked(true);
    RBut_Km.set_checked(true);
    for (TargetTwins& twins : target_twins(main_))
        twins.bonus.set_enabled(false);
    // The principal repaid over the step grows as the rate falls: the one target whose
    // rate search runs the other way.
    RBut_GMm.set_tag(1);
    RBut_GMb.set_tag(1);
}

void ReverseSearchPanel::describe_search_controls() {
    Panel4.set_hint("ここは逆算検索欄－－出てきた結果に関しては十分内容吟味して利用のこと－－");
    Button73.set_hint(
        "逆算定をスタートします。結果は左記に直接表示されます。良ければ［確定］ボタンを");
    RBut_Km.set_hint("希望「均等返済額」を直接指定します");
    RBut_Kb.set_hint("希望「均等返済額」を直接指定します");
    for (RadioButton* r : {&RBut_Rm, &RBut_Rb})
        r->set_hint("ある時点（1期分設定）での、1回返済分の利息を指定したい時");
    for (RadioButton* r : {&RBut_GRm, &RBut_GRb})
        r->set_hint("ある期間（1期分設定）の利息合計を指定したい時");
    for (RadioButton* r : {&RBut_GMm, &RBut_GMb})
        r->set_hint("ある期間（1期分設定）の返済した元金合計を指定したい時");
    for (RadioButton* r : {&RBut_NewMm, &RBut_NewMb})
        r->set_hint("ある時点（1期分設定）での、元金残を指定したい時");
    Llmax.set_hint("算出額max時");
    Llmin.set_hint("算出額min時");
    Button136.set_hint(
        "均等額を任意桁で丸め、かつ最終回後の元金残調整０円にした頭金算定とスタート元金決定&"
        "リスト");
    Button141.set_hint("ボーナス-第2返済専用　頭金調整");
    Edit3.set_money_display(true);
    Panel4.hide();
}

// The input the search varies, the output it aims at, and the amount aimed at.
void ReverseSearchPanel::wire_search_choices() {
    for (RadioButton* input : {&RBut_kin, &RBut_mot, &RBut_Mm, &RBut_Mb, &RBut_Hm, &RBut_Hb})
        input->on_click = guard(&TForm1::search_input_click);
    for (TargetTwins& twins : target_twins(main_)) {
        twins.monthly.on_click = guard(&TForm1::search_target_click);
        twins.bonus.on_click = guard(&TForm1::search_target_click);
    }
    Edit3.on_key = [this](Control& sender, char32_t& key) {
        main_.numeric_key_filter(sender, key);
    };
    Edit3.on_dbl_click = guard(&TForm1::Edit3DblClick);
    Llmax.on_click = guard(&TForm1::LlmaxClick);
    Llmin.on_click = guard(&TForm1::LlmaxClick);
}

void ReverseSearchPanel::wire_search_buttons() {
    Button93.on_click = guard(&TForm1::Button93Click);
    Button73.on_click = guard(&TForm1::Button73Click);
    Button102.on_click = guard(&TForm1::Button102Click);
    Button103.on_click = guard(&TForm1::Button103Click);
    Button90.on_click = guard(&TForm1::Button90Click);
    Button136.on_click = guard(&TForm1::Button136Click);
    Button141.on_click = guard(&TForm1::Button141Click);
    Button134.on_click = guard(&TForm1::Button134Click);
    Button133.on_click = guard(&TForm1::Button133Click);
    // The panel belongs to the page it was opened on: any change of page closes it.
    const Handler page_changed = main_.PageControl1.on_change;
    main_.PageControl1.on_change = [this, page_changed](Control& sender) {
        if (page_changed) page_changed(sender);
        Panel4.hide();
    };
}

Edit& ReverseSearchPanel::search_input_field() {
    if (RBut_kin.checked()) return main_.Ed0_kin;
    if (RBut_mot.checked()) return main_.Ed0_moto;
    if (RBut_Mb.checked()) return main_.Edit6;
    if (RBut_Hm.checked()) return main_.Edit4;
    if (RBut_Hb.checked()) return main_.Edit9;
    return main_.Edit1;
}

Edit& ReverseSearchPanel::search_output_field() {
    for (TargetTwins& twins : target_twins(main_)) {
        if (twins.monthly.checked()) return twins.monthly_field;
        if (twins.bonus.checked()) return twins.bonus_field;
    }
    return main_.Edit4;
}

void ReverseSearchPanel::search_input_click(Control& sender) {
    offer_targets(main_, sender);
    refresh_search_references();
}

void ReverseSearchPanel::search_target_click(Control& sender) {
    SearchDirection = static_cast<int>(sender.tag());
    refresh_search_references();
}

// The output with the input at the top and at the bottom of its range tells the user
// which targets the search can reach. The input and both principals go back as they were.
void ReverseSearchPanel::refresh_search_references() {
    Edit& input = search_input_field();
    const Edit& output = search_output_field();
    const bool rate = &input == &main_.Ed0_kin;
    const std::string kept_input = input.text();
    const std::string kept_m = main_.Edit1.text();
    const std::string kept_b = main_.Edit6.text();
    input.set_text(rate ? "100" : "1000000000");
    Llmax.set_caption(output.text());
    input.set_text(rate ? "0.0001" : "1");
    Llmin.set_caption(output.text());
    input.set_text(kept_input);
    main_.Edit1.set_text(kept_m);
    main_.Edit6.set_text(kept_b);
}

// A reference not yet worked out still shows its caption: there is nothing to take.
void ReverseSearchPanel::LlmaxClick(Control& sender) {
    try {
        to_extended(sender.caption());
    } catch (const ConversionError&) {
        return;
    }
    Edit3.set_text(sender.caption());
}

void ReverseSearchPanel::Edit3DblClick(Control&) {
    Edit3.set_text(search_output_field().text());
}

void ReverseSearchPanel::Button93Click(Control&) {
    SearchSnapshot = {main_.Ed0_nen.text(), main_.Ed0_tuki.text(), main_.Ed0_wari.text(),
                      main_.Edit13.text(),  main_.Ed0_moto.text(), main_.Ed0_kin.text()};
    SearchSnapshotTaken = true;
    main_.TotalsM = {};
    main_.TotalsB = {};
    main_.Button15.set_enabled(false);
    Panel4.show();
}

void ReverseSearchPanel::Button73Click(Control&) {
    reverse_search();
}

void ReverseSearchPanel::Button102Click(Control&) {
    Panel4.hide();
}

void ReverseSearchPanel::Button103Click(Control&) {
    if (SearchSnapshotTaken) write_back_basic_settings(SearchSnapshot);
}

void ReverseSearchPanel::Button90Click(Control&) {
    Button103Click(Button103);
    Panel4.hide();
}

void ReverseSearchPanel::whole_term_period() {
    main_.set_step_to_whole_term();
}

}  // namespace rebanto
