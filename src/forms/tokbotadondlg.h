#pragma once
// "アドオン変換　(月次専用)": converts between the effective annual rate of a monthly
// equal-instalment loan and its add-on rate, and applies the rate and term to the main
// window.
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

class App;

class TOKBotAdonDlg : public Form {
public:
    explicit TOKBotAdonDlg(App& app);

    Panel Panel1{*this, "Panel1"};
    // The rate group: pointing at it converts the rate to the add-on.
    Panel GroupBox1{*this, "GroupBox1"};
    Label Label1{*this, "Label1", "　　実質年金利"};
    Edit Edit1{*this, "Edit1", "2.6"};
    Label Label2{*this, "Label2", "％　　"};
    Label Label3{*this, "Label3", "支払回数"};
    Edit Edit2{*this, "Edit2", "6"};
    Label Label4{*this, "Label4", "回（月毎）"};
    Label Label5{*this, "Label5", "融資実行後、1ヶ月後に第1回支払いが始まるとして算定"};
    Label Label6{*this, "Label6", "アドオン率"};
    Edit Edit3{*this, "Edit3", "2.6"};
    Label Label7{*this, "Label7", "％　　"};
    // The same rate as a half-yearly loan: its payments and its add-on rate.
    Edit Edit5{*this, "Edit5", "6"};
    Edit Edit4{*this, "Edit4", "2.6"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionHalfYearly{*this, "CaptionHalfYearly", "半年毎"};
    Label CaptionHalfYearCount{*this, "CaptionHalfYearCount", "回"};
    Label CaptionHalfYearRate{*this, "CaptionHalfYearRate", "％"};
    Label Label8{
        *this, "Label8",
        "アドオン率とは、期間に関係なく、元金に対して支払総利息の割合で＝支払総利息÷元金×100(％)"};
    Button Button1{*this, "Button1", "アドオン変換"};
    Button Button2{*this, "Button2", "年金利変換"};
    Button Button3{*this, "Button3", "適用"};
    Button Button4{*this, "Button4", "検討リスト"};
    Button OKBtn{*this, "OKBtn", "OK"};
    Button CancelBtn{*this, "CancelBtn", "キャンセル"};

    // The main window's "アドオン": the main loan's rate and term, converted.
    void open();
    void Button1Click(Control& sender);
    void Button2Click(Control& sender);
    void Button3Click(Control& sender);
    void Button4Click(Control& sender);
    void OKBtnClick(Control& sender);
    void CancelBtnClick(Control& sender);
    void Edit1DblClick(Control& sender);
    void Edit1Exit(Control& sender);
    // The step labels: a click rounds or steps the field up, a right click steps it down.
    void Label1Click(Control& sender);
    void Label2Click(Control& sender);
    void Label2RightClick(Control& sender);
    void Label6Click(Control& sender);
    void Label6RightClick(Control& sender);
    void Label7Click(Control& sender);
    void Label7RightClick(Control& sender);
    void Label4Click(Control& sender);
    void Label4RightClick(Control& sender);

private:
    Handler guard(void (TOKBotAdonDlg::*routine)(Control&));
    App& app_;
};

}  // namespace rebanto
