// Amount fields read like a ledger ("\1,000,000") until the user comes in to edit them;
// the model's text stays the plain number throughout.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "test_form.h"
#include "ui/app_views.h"
#include "ui/colors.h"
#include "ui/main_window_view.h"
#include "ui/money_text.h"

namespace rebanto::ui {
namespace {

// ---- The rule ----

TEST(MoneyText, AnAmountFieldShowsMoneyUnlessItIsBeingEdited) {
    Form form("TMoney", "");
    Edit amount(form, "Amount", "24000000");
    amount.set_money_display(true);
    EXPECT_EQ(shown_text(amount, false), QStringLiteral("\\24,000,000"));
    EXPECT_EQ(shown_text(amount, true), QStringLiteral("24000000"));
}

TEST(MoneyText, NegativeAndFractionalAmountsRoundToWholeYen) {
    Form form("TMoney", "");
    Edit amount(form, "Amount", "-1234.5");
    amount.set_money_display(true);
    EXPECT_EQ(shown_text(amount, false), QStringLiteral("-\\1,235"));
}

TEST(MoneyText, TextThatIsNoNumberShowsAsItIs) {
    Form form("TMoney", "");
    Edit amount(form, "Amount", "12a");
    amount.set_money_display(true);
    EXPECT_EQ(shown_text(amount, false), QStringLiteral("12a"));
    amount.set_text("");
    EXPECT_EQ(shown_text(amount, false), QString());
}

TEST(MoneyText, OtherFieldsShowTheirTextAsItIs) {
    Form form("TMoney", "");
    Edit rate(form, "Rate", "2.325");
    EXPECT_EQ(shown_text(rate, false), QStringLiteral("2.325"));
}

// ---- In the window ----

class MoneyFieldTest : public BoundFormTest {
protected:
    void SetUp() override {
        BoundFormTest::SetUp();
        form.edit.set_money_display(true);
        form.edit.set_text("1000000");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        widget<QLineEdit>(form.other)->setFocus(Qt::TabFocusReason);
        flush();
    }
    QLineEdit* field() { return widget<QLineEdit>(form.edit); }
};

TEST_F(MoneyFieldTest, TheFieldShowsMoneyUntilItTakesTheFocus) {
    EXPECT_EQ(field()->text(), QStringLiteral("\\1,000,000"));
    field()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(field()->text(), QStringLiteral("1000000"));
    EXPECT_EQ(form.edit.text(), "1000000");
    widget<QLineEdit>(form.other)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field()->text(), QStringLiteral("\\1,000,000"));
    EXPECT_EQ(form.edit.text(), "1000000");
}

TEST_F(MoneyFieldTest, WhatTheUserTypesIsThePlainNumber) {
    field()->setFocus(Qt::MouseFocusReason);
    field()->selectAll();
    QTest::keyClicks(field(), QStringLiteral("2500000"));
    EXPECT_EQ(form.edit.text(), "2500000");
    flush();
    EXPECT_EQ(field()->text(), QStringLiteral("2500000"));
    widget<QLineEdit>(form.other)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field()->text(), QStringLiteral("\\2,500,000"));
}

TEST_F(MoneyFieldTest, AChangeByTheProgramShowsAsMoney) {
    form.edit.set_text("35000");
    flush();
    EXPECT_EQ(field()->text(), QStringLiteral("\\35,000"));
}

// ---- The main window's amount fields ----

using MainMoneyTest = AppViewTest;

TEST_F(MainMoneyTest, ThePrincipalFieldShowsMoneyAndTheModelKeepsTheNumber) {
    auto* principal = qobject_cast<QLineEdit*>(main_widget(app().main.Edit1));
    EXPECT_EQ(principal->text(), QStringLiteral("\\1,000,000"));
    QWidget& window = views().main();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    principal->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(principal->text(), QStringLiteral("1000000"));
    EXPECT_EQ(app().main.Edit1.text(), "1000000");
}

TEST_F(MainMoneyTest, CountsAndRatesAreNoMoney) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(main_widget(app().main.Edit2))->text().toStdString(),
              app().main.Edit2.text());
    EXPECT_EQ(qobject_cast<QLineEdit*>(main_widget(app().main.Ed1_Mzankaisu))->text().toStdString(),
              app().main.Ed1_Mzankaisu.text());
}

TEST_F(MainMoneyTest, TheInstalmentsTurnBlueForEqualPrincipal) {
    auto* instalment = main_widget(app().main.Edit4);
    const QColor usual = instalment->palette().color(QPalette::Text);
    app().main.Button130.click();
    flush();
    EXPECT_EQ(instalment->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(main_widget(app().main.Edit9)->palette().color(QPalette::Text),
              QColor(0x00, 0x00, 0xFF));
    app().main.Button130.click();
    flush();
    EXPECT_NE(instalment->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(instalment->palette().color(QPalette::Text).value() < 128, usual.value() < 128);
}

}  // namespace
}  // namespace rebanto::ui
