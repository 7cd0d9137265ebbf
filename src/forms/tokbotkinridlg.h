#pragma once
// "金利変更一括": the rate of every row after a given month changed at once, through the
// recalculation navigator's own operations.
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TOKBotKinriDlg : public Form {
public:
    explicit TOKBotKinriDlg(App& app);

    Label Label1{*this, "Label1", "月回"};
    Edit Edit1{*this, "Edit1", "0"};
    Label Label2{*this, "Label2", "以降の金利を"};
    Edit Edit2{*this, "Edit2", "0"};
    Label Label3{*this, "Label3", "％へ一括変更"};
    CheckBox CheckBox2{*this, "CheckBox2", "変更以後の　返済額同一on  返済額計算により変動off"};
    Button OKBtn{*this, "OKBtn", "OK"};
    Button CancelBtn{*this, "CancelBtn", "キャンセル"};

    void OKBtnClick(Control& sender);
    void CancelBtnClick(Control& sender);
    void Edit1DblClick(Control& sender);
    void Edit2DblClick(Control& sender);
    void Edit2Exit(Control& sender);

private:
    Handler guard(void (TOKBotKinriDlg::*routine)(Control&),
                  FailureRule rule = FailureRule::Window);
    // One side of the loan: the rows from the first month after Edit1 take the new rate.
    bool change_side(bool bonus);
    App& app_;
};

}  // namespace rebanto
