#pragma once
// The down-payment dialogs "頭金調整": from a sale price they find the down payment that
// makes the equal instalment a round number in a chosen unit and leaves exactly 0 yen of
// principal after the last instalment. One algorithm for two parts of the loan: TForm6
// works on the monthly part, TForm9 on the bonus (second repayment) part.
#include <array>
#include <string>

#include "base/money.h"
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class DownPaymentDialog : public Form {
public:
    // The main window's fields and choices the dialog works with for its part.
    struct Side {
        Edit& principal;
        Edit& instalment;
        Edit& remaining;  // the principal left after the step
        RadioButton& search_input;
        RadioButton& search_target;
        Panel& memo_page;
    };

    DownPaymentDialog(App& app, std::string name, std::string caption, bool bonus);

    Panel Panel1{*this, "Panel1"};
    Label Label1{*this, "Label1", "販売額等"};
    Edit Edit1{*this, "Edit1", "0"};
    Label Label2{*this, "Label2", "頭金指定最低額"};
    Edit Edit2{*this, "Edit2", "0"};
    // The instalment is cut down to a multiple of this unit (the radio button's tag).
    Panel GroupBox1{*this, "GroupBox1", "均等額丸め処理単位"};
    RadioButton RadioButton1{*this, "RadioButton1", "1円"};
    RadioButton RadioButton2{*this, "RadioButton2", "10円"};
    RadioButton RadioButton3{*this, "RadioButton3", "100円"};
    RadioButton RadioButton4{*this, "RadioButton4", "1,000円"};
    RadioButton RadioButton5{*this, "RadioButton5", "10,000円"};
    RadioButton RadioButton6{*this, "RadioButton6", "100,000円"};
    RadioButton RadioButton7{*this, "RadioButton7", "1,000,000円"};
    // The reduction rank: the target instalment is that many units below the cut one.
    Label Label3{*this, "Label3", "減額ランク"};
    Edit Edit4{*this, "Edit4", "0"};
    Button Button5{*this, "Button5", "均等額調整"};
    Button Button8{*this, "Button8", "↓計算"};
    Label Label5{*this, "Label5", "決定頭金"};
    Edit Edit3{*this, "Edit3", "0"};
    // The main window's step length when the dialog was opened.
    Edit Edit5{*this, "Edit5", "6"};
    // What the zeroing came to.
    Label Label4{*this, "Label4"};
    Button Button4{*this, "Button4", "OK"};
    Button Button3{*this, "Button3", "キャンセル"};

    // The main window's "頭金調整" / "第2頭金".
    void open();
    // The unit of the checked radio button, yen.
    std::int64_t unit() const;

    void UnitClick(Control& sender);
    void Edit2Change(Control& sender);
    void Button5Click(Control& sender);
    void Button5RightClick(Control& sender);
    void Button8Click(Control& sender);
    void Button4Click(Control& sender);
    void Button3Click(Control& sender);
    // Closing the window is "キャンセル".
    void close() override;

protected:
    App& app_;

private:
    Side side();
    std::array<RadioButton*, 7> unit_buttons();
    // The rounding and the zeroing pass; false when a search found no principal (the
    // user was told, the inputs are as they were before the search).
    bool run_passes();
    bool find_principals(Money& p0, Money& p1);
    void zero_last_balance(Money p0, Money p1);
    void restore_step_length();
    // Both dialogs show the monthly and the bonus down payment added.
    void show_total_down_payment();
    Handler guard(void (DownPaymentDialog::*routine)(Control&));

    bool bonus_;
};

}  // namespace rebanto
