#pragma once
// "繰上返済の追加と削除": a prepayment added at or removed from a given month, monthly side,
// bonus side or both, through the recalculation navigator's own operations.
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TOKBotKuriageDlg : public Form {
public:
    explicit TOKBotKuriageDlg(App& app);

    Label Label1{*this, "Label1", "月回"};
    Edit Edit1{*this, "Edit1", "0"};
    Label Label2{*this, "Label2", "月々分返済内入額"};
    Edit Edit2{*this, "Edit2", "0"};
    Label Label3{*this, "Label3", "ﾎﾞｰﾅｽ分返済内入額"};
    Edit Edit3{*this, "Edit3", "0"};
    CheckBox CheckBox1{*this, "CheckBox1", "繰り上げ返済行追加on　削除off"};
    CheckBox CheckBox2{*this, "CheckBox2", "返済額同一期間短縮型on  返済額減少期間同一型off"};
    Button Button1{*this, "Button1", "削除月"};
    Button Button2{*this, "Button2", "削除ボ"};
    Button OKBtn{*this, "OKBtn", "OK"};
    Button CancelBtn{*this, "CancelBtn", "キャンセル"};

    void OKBtnClick(Control& sender);
    void CancelBtnClick(Control& sender);
    void Button1Click(Control& sender);
    void Button2Click(Control& sender);
    void Edit1DblClick(Control& sender);

private:
    Handler guard(void (TOKBotKuriageDlg::*routine)(Control&),
                  FailureRule rule = FailureRule::Window);
    void add();
    void remove();
    // The prepayment of one side at the navigator's selected row removed, the table
    // extended to its term again and replayed to the last row. False when the replay stopped.
    bool delete_at_selected_row(bool bonus);
    // The first data row of a current table whose month number reads exactly `month`.
    static int row_of_month(const class Grid& table, const std::string& month);
    App& app_;
};

}  // namespace rebanto
