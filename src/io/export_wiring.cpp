// How the exports bind their events: the memo pages' "保存", the composite page's "CSV化"
// and "印刷", and the output panel.
#include <initializer_list>

#include "forms/tform1.h"
#include "io/numeric_table.h"

namespace rebanto {

void CompositePage::wire_exports() {
    main_.Button70.set_parent(&main_.TabSheet3);
    main_.Button85.set_parent(&main_.TabSheet4);
    for (Control* c : std::initializer_list<Control*>{&CSV3, &CSV4, &Button27, &Button36,
                                                      &CSV3_suuti, &CSV4_suuti, &Panel1})
        c->set_parent(&main_.TabSheet7);
    for (Control* c :
         std::initializer_list<Control*>{&RichEdit4, &Button69, &Bt1_insatu, &Bt1_tojiru}) {
        c->set_parent(&Panel1);
    }
    Panel1.hide();
    RichEdit4.set_font_name("ＭＳ ゴシック");
    // The CSV and print texts need a composite; the copy work enables them.
    for (Button* b : {&CSV3, &CSV4, &Button27, &Button36, &CSV3_suuti, &CSV4_suuti})
        b->set_enabled(false);

    main_.Button70.set_hint(
        "WordとかWordpad等の専用ワープロ等で加工出来るようにするため、ファイルに保存して下さい");
    main_.Button85.set_hint(main_.Button70.hint());
    Button69.set_hint(
        "WordとかWordpad等のワープロ用(rtf)／ｴｸｾﾙや123等の表計算用(csv)で加工するため、ファイル化"
        "保存して下さい");
    CSV3.set_hint(
        "表計算(ｴｸｾﾙ･123)用CSVﾌｧｲﾙに変換します。表示したら[保存]ボタンで即保存し利用下さい");
    CSV4.set_hint(CSV3.hint());
    CSV3_suuti.set_hint(numeric::kNumericExportHint);
    CSV4_suuti.set_hint(CSV3_suuti.hint());
    Button27.set_hint("合成返済表を印刷するためにメモ化します");
    Button36.set_hint("合成ﾎﾞｰﾅｽ返済表を印刷するためにメモ化します");

    for (Button* save : {&main_.Button70, &main_.Button85, &Button69})
        save->on_click = guard(&TForm1::memo_save_click);
    CSV3.on_click = guard(&TForm1::CSV3Click);
    CSV4.on_click = guard(&TForm1::CSV4Click);
    CSV3_suuti.on_click = guard(&TForm1::CSV3_suutiClick);
    CSV4_suuti.on_click = guard(&TForm1::CSV4_suutiClick);
    Button27.on_click = guard(&TForm1::Button27Click);
    Button36.on_click = guard(&TForm1::Button36Click);
    Bt1_insatu.on_click = guard(&TForm1::Bt1_insatuClick);
    Bt1_tojiru.on_click = guard(&TForm1::Bt1_tojiruClick);
}

}  // namespace rebanto
