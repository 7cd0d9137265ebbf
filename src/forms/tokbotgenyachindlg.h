#pragma once
// "現在の家賃で支払い可能なローン額算定　(検索機能活用)": the current rent, less the share
// kept for the owner's costs, taken as the affordable monthly instalment; the reverse
// search finds the start principal it carries.
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TOKBotGenyachinDlg : public Form {
public:
    explicit TOKBotGenyachinDlg(App& app);

    Panel Panel1{*this, "Panel1"};
    Label Label1{*this, "Label1", "現在の月額支払い家賃"};
    Edit Edit1{*this, "Edit1", "123000"};
    Label Label3{*this, "Label3", "円"};
    // The expense share: "内経費率" sets 25 %, "％" steps it by 5 %.
    Label Label2{*this, "Label2", "内経費率"};
    Edit Edit2{*this, "Edit2", "0"};
    Label Label4{*this, "Label4", "％"};
    Panel GroupBox1{*this, "GroupBox1"};
    RadioButton RadioButton1{*this, "RadioButton1",
                             "おまかせ　(金利=公庫基準／返済期間=35年／ﾎﾞｰﾅｽ分０％)"};
    RadioButton RadioButton2{*this, "RadioButton2",
                             "ユーザー設定　(上記各条件は現在の基本設定のままで計算)"};
    Button OKBtn{*this, "OKBtn", "OK"};
    Button CancelBtn{*this, "CancelBtn", "キャンセル"};

    // The main window's "現家賃でローン".
    void open();
    void OKBtnClick(Control& sender);
    void CancelBtnClick(Control& sender);
    void Label2Click(Control& sender);
    void Label4Click(Control& sender);
    void Label4RightClick(Control& sender);
    void Label4DblClick(Control& sender);

private:
    Handler guard(void (TOKBotGenyachinDlg::*routine)(Control&));
    App& app_;
};

}  // namespace rebanto
