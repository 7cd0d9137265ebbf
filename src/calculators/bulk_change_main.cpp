// The main window's launchers of the changes made through the navigator. Each leaves its
// letter in the work-name log: "k" for a rate change, "u" for a prepayment.
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CompositePage::wire_bulk_changes() {
    for (Button* button : {&Button135, &Button131, &Button132, &Button151})
        button->set_parent(&main_.TabSheet7);
    Button135.set_hint("以降の金利を一括変更（再計算ナビ活用）");
    Button131.set_hint("繰上返済の追加と削除（再計算ナビ活用）");
    Button132.set_hint("繰上返済の追加と削除（再計算ナビ活用）");
    Button151.set_hint(
        "ﾎﾞｰﾅｽ返済時ではない月に金利変更の場合に補正。加重平均金利を適用して一括自動補正　("
        "取消は右の小"
        "ボタン)");
    Button135.on_click = guard(&TForm1::Button135Click);
    Button131.on_click = guard(&TForm1::prepayment_dialog_click);
    Button132.on_click = guard(&TForm1::prepayment_dialog_click);
    Button151.on_click = guard(&TForm1::Button151Click);
}

void CompositePage::Button135Click(Control&) {
    main_.Ed555.set_text(main_.Ed555.text() + "k");
    app().rate_change_dialog.show();
    main_.PageControl1.set_active_page(main_.TabSheet7);
}

void CompositePage::prepayment_dialog_click(Control&) {
    main_.Ed555.set_text(main_.Ed555.text() + "u");
    app().prepayment_dialog.show();
}

// "ﾎﾞｰﾅｽ補正": the navigator on the current tables, and its bonus-correction dialog.
void CompositePage::Button151Click(Control&) {
    TForm4& navigator = app().navigator;
    navigator.open_from_current_tables();
    navigator.Button28Click(navigator.Button28);
}

}  // namespace rebanto
