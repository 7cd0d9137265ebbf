// How the pack-file buttons and the composite page's copies bind their events.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CompositePage::wire_tables() {
    for (Control* c :
         std::initializer_list<Control*>{&ButtonM, &ButtonB, &Edit45, &StringGrid1, &StringGrid2,
                                         &Button87, &Button88, &Button89, &Button146, &Button150}) {
        c->set_parent(&main_.TabSheet7);
    }
    for (Control* c : std::initializer_list<Control*>{
             &main_.MsEd8_yusi, &main_.MsEd8_mon, &main_.MsEd8_bon, &main_.CheckBox2, &main_.Edit67,
             &main_.Edit78, &main_.Edit79, &main_.Button51, &main_.Button26}) {
        c->set_parent(&main_.TabSheet8);
    }
    ButtonM.set_enabled(false);
    ButtonB.set_enabled(false);
    Button88.set_enabled(false);
    Button89.hide();
    Button89.set_hint("データはそのままで、日付のみ訂正して読み込んだファイル名で即保存します");
    main_.Button51.hide();
    main_.Button26.hide();
    StringGrid1.hide();
    StringGrid2.hide();
    Edit45.set_read_only(true);
    main_.Edit67.set_hint("ユーザーが識別のためのものです。自由にお書き下さい");
    main_.Ed555.set_hint("作業名称ログ");

    ButtonM.on_click = guard(&TForm1::ButtonMClick);
    ButtonB.on_click = guard(&TForm1::ButtonBClick);
    Button87.on_click = guard(&TForm1::Button87Click);
    Button88.on_click = guard(&TForm1::Button88Click);
    Button89.on_click = guard(&TForm1::Button89Click);
    Button146.on_click = guard(&TForm1::Button146Click);
    Button150.on_click = guard(&TForm1::Button150Click);
    main_.Button26.on_click = guard(&TForm1::Button26Click);
    main_.Ed555.on_dbl_click = guard(&TForm1::Ed555DblClick);
    for (Grid* grid : {&StringGrid1, &StringGrid2}) {
        grid->on_click = [this](Control& sender) {
            app().row_sync.sync(static_cast<Grid&>(sender));
        };
    }
    app().stream_renames.add(
        [this](const SecondStream& s) { ButtonB.set_caption("ｶﾚﾝﾄ" + s.name + "返済表"); });
    app().row_sync.add(StringGrid1, 40, 2);
    app().row_sync.add(StringGrid2, 41, 2);
}

}  // namespace rebanto
