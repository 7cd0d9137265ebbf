// The view of "第２返済の設定": the interval radio buttons drive the model, the month
// boxes only show which months carry a payment, and the settings apply to the main window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/second_repayment_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class SecondRepaymentViewTest : public AppViewTest {
protected:
    void SetUp() override {
        AppViewTest::SetUp();
        app().second_repayment.show();
        flush();
    }
    TForm8& f() { return app().second_repayment; }
    SecondRepaymentView& view() { return *static_cast<SecondRepaymentView*>(views().window(f())); }
    template <class W>
    W* widget(const Control& control) {
        return qobject_cast<W*>(view().binder().widget(control));
    }
    std::array<CheckBox*, 12> months() {
        return {&f().CheckBox1, &f().CheckBox2,  &f().CheckBox3,  &f().CheckBox4,
                &f().CheckBox5, &f().CheckBox6,  &f().CheckBox7,  &f().CheckBox8,
                &f().CheckBox9, &f().CheckBox10, &f().CheckBox11, &f().CheckBox12};
    }
};

TEST_F(SecondRepaymentViewTest, TheWindowShowsItsOwnView) {
    ASSERT_NE(dynamic_cast<SecondRepaymentView*>(views().window(f())), nullptr);
    EXPECT_TRUE(view().isVisible());
    EXPECT_EQ(view().windowTitle(), QStringLiteral("第２返済の設定"));
}

TEST_F(SecondRepaymentViewTest, TheIntervalsSitInTheirGroupAndTheMonthsInTheirs) {
    auto* intervals = widget<QGroupBox>(f().GroupBox2);
    auto* reference = widget<QGroupBox>(f().GroupBox1);
    ASSERT_NE(intervals, nullptr);
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(intervals->title(), QStringLiteral("返済間隔"));
    for (RadioButton* radio : {&f().RadioButton1, &f().RadioButton2, &f().RadioButton3,
                               &f().RadioButton4, &f().RadioButton5, &f().RadioButton6}) {
        EXPECT_TRUE(intervals->isAncestorOf(widget<QRadioButton>(*radio))) << radio->name();
    }
    for (CheckBox* box : months()) {
        auto* check = widget<QCheckBox>(*box);
        ASSERT_NE(check, nullptr) << box->name();
        EXPECT_TRUE(reference->isAncestorOf(check)) << box->name();
        EXPECT_FALSE(check->isEnabled()) << box->name() << " is for reference only";
    }
}

TEST_F(SecondRepaymentViewTest, ClickingAnIntervalSetsTheFirstMonthAndTicksTheMonths) {
    QTest::mouseClick(widget<QRadioButton>(f().RadioButton3), Qt::LeftButton);
    EXPECT_TRUE(f().RadioButton3.checked());
    EXPECT_EQ(f().Edit1.text(), "4");
    flush();
    EXPECT_EQ(widget<QLineEdit>(f().Edit1)->text(), QStringLiteral("4"));
    EXPECT_TRUE(widget<QRadioButton>(f().RadioButton3)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(f().RadioButton2)->isChecked());
    // Every fourth month: 4, 8 and 12.
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(widget<QCheckBox>(*months()[m - 1])->isChecked(), m % 4 == 0) << m;
    }
}

TEST_F(SecondRepaymentViewTest, TypingTheFirstMonthMovesTheTicks) {
    auto* first = widget<QLineEdit>(f().Edit1);
    first->setText(QStringLiteral("3"));
    Q_EMIT first->textEdited(first->text());
    flush();
    EXPECT_EQ(f().Edit1.text(), "3");
    EXPECT_TRUE(widget<QCheckBox>(f().CheckBox3)->isChecked());
    EXPECT_TRUE(widget<QCheckBox>(f().CheckBox9)->isChecked());
    EXPECT_FALSE(widget<QCheckBox>(f().CheckBox6)->isChecked());
}

TEST_F(SecondRepaymentViewTest, TheSetButtonAppliesTheIntervalToTheMainWindow) {
    QTest::mouseClick(widget<QRadioButton>(f().RadioButton1), Qt::LeftButton);
    QTest::mouseClick(widget<QPushButton>(f().Button1), Qt::LeftButton);
    flush();
    EXPECT_EQ(app().main.bonus_interval(), 12);
    EXPECT_EQ(app().main.TabSheet4.caption(), "( 第2返済分)");
}

}  // namespace
}  // namespace rebanto::ui
