// How the settings page, the explanation page and help bind their events.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void SettingsPage::wire_settings() {
    main_.TabSheet5.set_hint("この頁の内容は、全て自動で開始時Loadし、終了時Saveされます。");
    for (Control* c : std::initializer_list<Control*>{&Bt_save, &Bt_load, &Button101, &Button105,
                                                      &CheckBox4, &CheckBox6, &TrackBar1}) {
        c->set_parent(&main_.TabSheet5);
    }
    for (Control* c : std::initializer_list<Control*>{&Button22, &Button58, &Button23, &Button77,
                                                      &Button16, &Button109, &Button116, &Button117,
                                                      &Button119, &Button118, &BtHelp}) {
        c->set_parent(&main_.TabSheet6);
    }
    Edit58.set_parent(&main_.TabSheet1);
    Ed0_inidir.hide();
    Edit11.hide();
    Bt_save.set_hint(
        "最小化やソフトが正常に終了しない時のために、今の設定をイニシャルファイルとして記録しま"
        "す。");
    Bt_load.set_hint(
        "設定変更を破棄するため、ソフト開始前か直前Save後のファイルから読み込みます。");
    Button101.set_hint(
        "作動不良や以前の設定で起動したい時等、ｉｎｉファイルを記録せずに一旦終了し、再起動しま"
        "す。");
    Button105.set_hint("リサイズを繰り返したりして表現が汚れた時等、再起動します");
    TrackBar1.set_range(0, 200);
    TrackBar1.set_position(100);
    TrackBar1.set_hint(
        "インジケーター(頁コントロールの上)位置微調整します＝ディスプレー・窓サイズにより変動す"
        "るため");
    CheckBox4.set_checked(true);

    Bt_save.on_click = guard(&TForm1::Bt_saveClick);
    Bt_load.on_click = guard(&TForm1::Bt_loadClick);
    Button86.on_click = guard(&TForm1::Button86Click);
    Button101.on_click = guard(&TForm1::Button101Click);
    main_.Label20.on_dbl_click = guard(&TForm1::Button101Click);
    Button105.on_click = guard(&TForm1::Button105Click);
    for (Button* b : {&Button22, &Button58, &Button23, &Button77, &Button16, &Button109, &Button116,
                      &Button117, &Button119, &Button118}) {
        b->on_click = guard(&TForm1::ExplanationClick);
    }
    BtHelp.on_click = guard(&TForm1::BtHelpClick);
    main_.StatusBar1.on_dbl_click = guard(&TForm1::BtHelpClick);
    main_.StatusBar1.on_click = guard(&TForm1::rescale_controls);
    track_loan_texts();
    RememberedClientWidth = main_.width() - 8;
    RememberedClientHeight = main_.height() - 32;
}

}  // namespace rebanto
