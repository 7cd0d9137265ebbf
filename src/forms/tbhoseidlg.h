#pragma once
// "ボーナス補正の設定": the options of the navigator's automatic bonus correction (decimals
// of the weighted rate, what stays unchanged) and the command that runs it.
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TBHoseiDlg : public Form {
public:
    explicit TBHoseiDlg(App& app);

    Label Label1{*this, "Label1", "算定加重平均金利の小数点以下桁数"};
    Edit Edit1{*this, "Edit1", "5"};
    Panel GroupBox1{*this, "GroupBox1", "優先＝変更しない数値の指定"};
    RadioButton RadioButton1{*this, "RadioButton1", "元入額優先"};
    RadioButton RadioButton2{*this, "RadioButton2", "均等額優先"};
    Button OKBtn{*this, "OKBtn", "一括補正ＧＯ"};
    Button CancelBtn{*this, "CancelBtn", "キャンセル"};

    void PriorityClick(Control& sender);
    void Edit1Change(Control& sender);
    void OKBtnClick(Control& sender);
    void CancelBtnClick(Control& sender);

private:
    Handler guard(void (TBHoseiDlg::*routine)(Control&), FailureRule rule = FailureRule::Window);
    App& app_;
};

}  // namespace rebanto
