#pragma once
// "第２返済の設定": the bonus stream as a general second repayment stream with its own
// interval and first payment month.
#include <array>
#include <optional>
#include <string>

#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TForm8 : public Form {
public:
    explicit TForm8(App& app);

    Panel GroupBox2{*this, "GroupBox2", "返済間隔"};
    RadioButton RadioButton1{*this, "RadioButton1", "年1回返済＝12ヶ月毎返済"};
    RadioButton RadioButton2{*this, "RadioButton2", "年２回返済＝６ヶ月毎返済"};
    RadioButton RadioButton3{*this, "RadioButton3", "年３回返済＝４ヶ月毎返済"};
    RadioButton RadioButton4{*this, "RadioButton4", "年４回返済＝３ヶ月毎返済"};
    RadioButton RadioButton5{*this, "RadioButton5", "年６回返済＝２ヶ月毎返済"};
    RadioButton RadioButton6{*this, "RadioButton6", "年12回返済＝１ヶ月毎返済"};
    Edit Edit1{*this, "Edit1", "6"};
    Label Label1{*this, "Label1", "ヶ月目より返済開始"};
    Panel GroupBox1{*this, "GroupBox1", "参考－返済月目"};
    CheckBox CheckBox1{*this, "CheckBox1", "1ヶ月目"};
    CheckBox CheckBox2{*this, "CheckBox2", "2ヶ月目"};
    CheckBox CheckBox3{*this, "CheckBox3", "3ヶ月目"};
    CheckBox CheckBox4{*this, "CheckBox4", "4ヶ月目"};
    CheckBox CheckBox5{*this, "CheckBox5", "5ヶ月目"};
    CheckBox CheckBox6{*this, "CheckBox6", "6ヶ月目"};
    CheckBox CheckBox7{*this, "CheckBox7", "7ヶ月目"};
    CheckBox CheckBox8{*this, "CheckBox8", "8ヶ月目"};
    CheckBox CheckBox9{*this, "CheckBox9", "9ヶ月目"};
    CheckBox CheckBox10{*this, "CheckBox10", "10ヶ月目"};
    CheckBox CheckBox11{*this, "CheckBox11", "11ヶ月目"};
    CheckBox CheckBox12{*this, "CheckBox12", "実行同一月"};
    Label LaVers{*this, "LaVers", "64"};
    Button Button1{*this, "Button1", "設    定"};

    // The interval of the checked radio button (6 when none is checked).
    int interval() const;
    void IntervalClick(Control& sender);
    void Edit1Change(Control& sender);
    void Label1Click(Control& sender);
    void Label1RightClick(Control& sender);
    void Edit1DblClick(Control& sender);
    void Button1Click(Control& sender);

    // Applies an interval and a first month from code (pack recall, table re-derivation,
    // the corporation plans): the interval is a month count as text, and a pension-loan
    // marker ("年金", "年金元") stands for 6.
    void apply_timing(const std::string& interval_text, std::optional<int> first_month,
                      const std::string& version = "64");

private:
    std::array<CheckBox*, 12> month_boxes();
    void tick_months(int first, int interval);
    Handler guard(void (TForm8::*routine)(Control&), FailureRule rule = FailureRule::Window);
    App& app_;
};

}  // namespace rebanto
