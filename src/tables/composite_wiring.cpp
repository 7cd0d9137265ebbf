// How the composite tables of the page "複合編成" and its month shift panel bind their
// events.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/composite_rows.h"

namespace rebanto {

namespace {

constexpr std::array<int, composite::kMonthlyColumns> kCompositeWidths{
    40, 24, 22, 74, 60, 60, 70, 80, 70, 70, 70, 70, 76, 40, 34, 24, 22, 76, 76, 76, 80};

}  // namespace

void CompositePage::wire_composite() {
    place_composite_controls();
    describe_composite_buttons();
    set_up_composite_grids();
    wire_composite_buttons();
    wire_shift_panel();
}

// The page's controls in their panels; the composites and their buttons wait for a table.
void CompositePage::place_composite_controls() {
    for (Control* c : std::initializer_list<Control*>{
             &Button28, &Button29, &ButtonM_C, &ButtonB_C, &Button32, &Button30, &Button138,
             &Button31, &GrpHyouji, &StringGrid3, &StringGrid4, &StringGrid5, &Button43, &Panel2}) {
        c->set_parent(&main_.TabSheet7);
    }
    RadioButton5.set_parent(&GrpHyouji);
    RadioButton6.set_parent(&GrpHyouji);
    for (Control* c : std::initializer_list<Control*>{
             &Edit59, &Edit60, &La2_nen, &Edit61, &La2_tuki, &Button44, &Button71, &Bt2_tojiru}) {
        c->set_parent(&Panel2);
    }
    RadioButton5.set_checked(true);
    for (Button* b : {&Button28, &Button29, &ButtonM_C, &ButtonB_C, &Button32, &Button30,
                      &Button138, &Button43}) {
        b->set_enabled(false);
    }
    for (Grid* grid : {&StringGrid3, &StringGrid4, &StringGrid5})
        grid->hide();
    Panel2.hide();
    Edit59.set_read_only(true);
}

void CompositePage::describe_composite_buttons() {
    ButtonM_C.set_hint(
        "注意！このコピー作業をすると［合成返済表］は全て置き換わります。　　　　　　　累積計算は"
        "別途");
    ButtonB_C.set_hint(ButtonM_C.hint());
    Button32.set_hint(
        "注意！この作業で有効な［合成返済表］と［合成ﾎﾞｰﾅｽ返済表］は更新したものに置き換わります。"
        "　累積計算は別途");
    Button30.set_hint(
        "最後に累積計算もします。　　　注意！この作業で［合成返済表］は合成し更新したものと置き換"
        "わります。");
    Panel2.set_hint(
        "合成時［月回］の数値で同時期を判定ゆえ、合成前にｶﾚﾝﾄ表の月回に時期差の月数を一律加算／再"
        "計算ナビ関連機能不対応");
}

// The composites are editable, with their column widths; a click keeps the row in step
// with the other tables.
void CompositePage::set_up_composite_grids() {
    for (Grid* grid : {&StringGrid3, &StringGrid4}) {
        grid->set_hint(
            "列幅は変更可能、また合成表ではデータの変更可能だが、データの整合性崩れるので注意");
        grid->set_editable(true);
        grid->set_row_height(16);
        for (int c = 0; c < grid->col_count(); ++c)
            grid->set_col_width(c, kCompositeWidths[c]);
        grid->on_click = [this](Control& sender) {
            app().row_sync.sync(static_cast<Grid&>(sender));
        };
    }
    app().row_sync.add(StringGrid3, 42, 2);
    app().row_sync.add(StringGrid4, 43, 2);
}

void CompositePage::wire_composite_buttons() {
    Button28.on_click = guard(&TForm1::Button28Click);
    Button29.on_click = guard(&TForm1::Button29Click);
    ButtonM_C.on_click = guard(&TForm1::ButtonM_CClick);
    ButtonB_C.on_click = guard(&TForm1::ButtonB_CClick);
    Button32.on_click = guard(&TForm1::Button32Click);
    Button30.on_click = guard(&TForm1::Button30Click);
    Button138.on_click = guard(&TForm1::Button138Click);
    Button31.on_click = guard(&TForm1::Button31Click);
    main_.Label_m.on_click = guard(&TForm1::Label_mClick);
    main_.Label_b.on_click = guard(&TForm1::Label_bClick);
    // The second stream's name shows on the bonus composite's buttons.
    app().stream_renames.add([this](const SecondStream& s) {
        Button29.set_caption("合成" + s.name + "返済表");
        Button30.set_caption("合成月＋" + s.name + "合成作業");
    });
}

// The month shift panel: years and months added to a current table's month numbers.
void CompositePage::wire_shift_panel() {
    Button43.on_click = guard(&TForm1::Button43Click);
    Edit60.on_change = guard(&TForm1::shift_parts_change);
    Edit61.on_change = guard(&TForm1::shift_parts_change);
    Edit60.on_dbl_click = guard(&TForm1::shift_part_dbl_click);
    Edit61.on_dbl_click = guard(&TForm1::shift_part_dbl_click);
    La2_nen.on_click = guard(&TForm1::La2_nenClick);
    La2_tuki.on_click = guard(&TForm1::La2_tukiClick);
    La2_tuki.on_right_click = guard(&TForm1::La2_tukiRightClick);
    Button44.on_click = guard(&TForm1::Button44Click);
    Button71.on_click = guard(&TForm1::Button71Click);
    Bt2_tojiru.on_click = guard(&TForm1::Bt2_tojiruClick);
    for (Edit* field : {&Edit60, &Edit61}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            main_.numeric_key_filter(sender, key);
        };
    }
}

}  // namespace rebanto
