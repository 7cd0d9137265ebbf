// The binder, view to model: clicks, double clicks, right clicks, typing and focus reach
// the controls' own actions once each, and the model's state is what the widgets keep.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "test_form.h"

namespace rebanto::ui {
namespace {

void send_mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    // Near the left edge: on a check box's mark, on a label's text.
    const QPointF at(6, widget->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// What a widget receives for a double click: the second press arrives as the double click.
void double_click(QWidget* widget) {
    send_mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    send_mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
    send_mouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton);
    send_mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

// A check box or radio button takes clicks on its mark and caption only.
void click_mark(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

void click(QWidget* widget) {
    send_mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    send_mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

class GestureTest : public BoundFormTest {
protected:
    int clicks = 0;
    int double_clicks = 0;
    int right_clicks = 0;

    void count(Control& control) {
        control.on_click = [this](Control&) { ++clicks; };
        control.on_right_click = [this](Control&) { ++right_clicks; };
    }
    void count_double(Control& control) {
        count(control);
        control.on_dbl_click = [this](Control&) { ++double_clicks; };
    }
};

// ---- Typing ----

TEST_F(GestureTest, TypedCharactersReachTheTextOnceThroughTheModel) {
    std::u32string keys;
    form.edit.on_key = [&](Control&, char32_t& key) { keys += key; };
    QTest::keyClicks(binder->widget(form.edit), QStringLiteral("25"));
    EXPECT_EQ(keys, U"25");
    EXPECT_EQ(form.edit.text(), "10025");
    flush();
    EXPECT_EQ(widget<QLineEdit>(form.edit)->text(), QStringLiteral("10025"));
}

TEST_F(GestureTest, AKeyTheFilterDropsNeverReachesTheField) {
    form.edit.on_key = [](Control&, char32_t& key) {
        if (key == U'a') key = 0;
    };
    QTest::keyClicks(binder->widget(form.edit), QStringLiteral("1a2"));
    flush();
    EXPECT_EQ(form.edit.text(), "10012");
    EXPECT_EQ(widget<QLineEdit>(form.edit)->text(), QStringLiteral("10012"));
}

TEST_F(GestureTest, BackspaceAndEnterGoThroughTheModel) {
    std::u32string keys;
    form.edit.on_key = [&](Control&, char32_t& key) { keys += key; };
    QTest::keyClick(binder->widget(form.edit), Qt::Key_Backspace);
    QTest::keyClick(binder->widget(form.edit), Qt::Key_Return);
    EXPECT_EQ(keys, U"\b\r");
    EXPECT_EQ(form.edit.text(), "10");
}

TEST_F(GestureTest, ShortcutsStayWithTheField) {
    std::u32string keys;
    form.edit.on_key = [&](Control&, char32_t& key) { keys += key; };
    QTest::keyClick(binder->widget(form.edit), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(form.edit.text(), "100");
}

TEST_F(GestureTest, MovingTheFocusRunsExitThenEnter) {
    std::vector<std::string> order;
    form.edit.on_enter = [&](Control&) { order.push_back("enter edit"); };
    form.edit.on_exit = [&](Control&) { order.push_back("exit edit"); };
    form.other.on_enter = [&](Control&) { order.push_back("enter other"); };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    binder->widget(form.other)->setFocus(Qt::TabFocusReason);
    order.clear();
    binder->widget(form.edit)->setFocus(Qt::TabFocusReason);
    binder->widget(form.other)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(order, (std::vector<std::string>{"enter edit", "exit edit", "enter other"}));
}

// ---- Clicks ----

TEST_F(GestureTest, AClickOnALabelClicksItOnce) {
    count(form.label);
    click(binder->widget(form.label));
    EXPECT_EQ(clicks, 1);
}

TEST_F(GestureTest, ADoubleClickDeliversOneClickAndOneDoubleClick) {
    count_double(form.label);
    double_click(binder->widget(form.label));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(double_clicks, 1);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(clicks, 1) << "the first click must not arrive late as well";
}

TEST_F(GestureTest, ASingleClickOnAControlThatAlsoTakesDoubleClicksArrivesAfterTheInterval) {
    count_double(form.label);
    click(binder->widget(form.label));
    EXPECT_TRUE(wait_until([&] { return clicks == 1; }));
    EXPECT_EQ(double_clicks, 0);
}

TEST_F(GestureTest, ADoubleClickWithoutADoubleClickHandlerIsOneClick) {
    count(form.label);
    double_click(binder->widget(form.label));
    EXPECT_EQ(clicks, 1);
}

TEST_F(GestureTest, ARightClickIsNoClick) {
    count(form.label);
    send_mouse(binder->widget(form.label), QEvent::MouseButtonPress, Qt::RightButton);
    send_mouse(binder->widget(form.label), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(right_clicks, 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(GestureTest, AClickOnAFieldClicksIt) {
    count(form.edit);
    click(binder->widget(form.edit));
    EXPECT_EQ(clicks, 1);
}

TEST_F(GestureTest, AButtonTheModelDisabledCannotBeClicked) {
    count(form.button);
    QTest::mouseClick(binder->widget(form.button), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    form.button.set_enabled(false);
    flush();
    QTest::mouseClick(binder->widget(form.button), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GestureTest, ADoubleClickOnARadioButtonChecksItAndRunsBothHandlersOnce) {
    count_double(form.second);
    double_click(binder->widget(form.second));
    EXPECT_TRUE(form.second.checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(double_clicks, 1);
}

// ---- Checked state ----

TEST_F(GestureTest, ACheckBoxTheUserClicksIsCheckedInTheModel) {
    click_mark(binder->widget(form.box));
    EXPECT_TRUE(form.box.checked());
    flush();
    EXPECT_TRUE(widget<QCheckBox>(form.box)->isChecked());
}

TEST_F(GestureTest, TheModelsRefusalUnchecksTheBoxAgain) {
    form.box.on_click = [](Control& sender) { static_cast<CheckBox&>(sender).set_checked(false); };
    click_mark(binder->widget(form.box));
    flush();
    EXPECT_FALSE(form.box.checked());
    EXPECT_FALSE(widget<QCheckBox>(form.box)->isChecked());
}

TEST_F(GestureTest, RadioButtonsAreExclusiveWithinTheirModelParentWhereverTheySit) {
    form.first.set_checked(true);
    flush();
    click_mark(binder->widget(form.second));
    flush();
    EXPECT_TRUE(form.second.checked());
    EXPECT_FALSE(form.first.checked());
    EXPECT_TRUE(widget<QRadioButton>(form.second)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(form.first)->isChecked());
}

TEST_F(GestureTest, AMenuActionClicksItsItem) {
    count(form.item);
    action->trigger();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace rebanto::ui
