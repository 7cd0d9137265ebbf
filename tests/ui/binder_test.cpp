// The binder, model to view: what a control holds is what its widget shows once the
// views are flushed; and the user's edits of a field reach the model's text.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "test_form.h"
#include "ui/clickable_label.h"
#include "ui/colors.h"

namespace rebanto::ui {
namespace {

using BinderTest = BoundFormTest;

TEST_F(BinderTest, ATextSetByTheProgramShowsInTheField) {
    form.edit.set_text("30000000");
    flush();
    EXPECT_EQ(widget<QLineEdit>(form.edit)->text(), QStringLiteral("30000000"));
}

TEST_F(BinderTest, AUsersEditReachesTheModelAndRunsItsChangeHandler) {
    std::vector<std::string> seen;
    form.edit.on_change = [&](Control& sender) { seen.push_back(sender.text()); };
    auto* field = widget<QLineEdit>(form.edit);
    field->setText(QStringLiteral("2.5"));
    Q_EMIT field->textEdited(field->text());
    EXPECT_EQ(form.edit.text(), "2.5");
    EXPECT_EQ(seen, std::vector<std::string>{"2.5"});
}

TEST_F(BinderTest, WhatTheChangeHandlerMakesOfAnEditIsWhatShows) {
    form.edit.on_change = [&](Control& sender) {
        if (sender.text() != "1") sender.set_text("0");
    };
    auto* field = widget<QLineEdit>(form.edit);
    field->setText(QStringLiteral("x"));
    Q_EMIT field->textEdited(field->text());
    flush();
    EXPECT_EQ(field->text(), QStringLiteral("0"));
}

TEST_F(BinderTest, TypingInsertsAtTheCaretAndTheKeyFilterCanDropAKey) {
    form.edit.on_key = [](Control&, char32_t& key) {
        if (key == U'x') key = 0;
    };
    auto* field = widget<QLineEdit>(form.edit);
    field->setCursorPosition(1);  // between "1" and "00"
    QTest::keyClicks(field, QStringLiteral("5x"));
    flush();
    EXPECT_EQ(form.edit.text(), "1500");
    EXPECT_EQ(field->text(), QStringLiteral("1500"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(form.edit.text(), "100");
}

TEST_F(BinderTest, CaptionsFollowTheModel) {
    form.label.set_caption("元金(円)");
    form.button.set_caption("音無");
    form.group.set_caption("付利単位");
    form.item.set_caption("↑上の桁単位へ");
    form.set_caption("カレント両表");
    flush();
    EXPECT_EQ(widget<ClickableLabel>(form.label)->text(), QStringLiteral("元金(円)"));
    EXPECT_EQ(widget<QPushButton>(form.button)->text(), QStringLiteral("音無"));
    EXPECT_EQ(widget<QGroupBox>(form.group)->title(), QStringLiteral("付利単位"));
    EXPECT_EQ(action->text(), QStringLiteral("↑上の桁単位へ"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("カレント両表"));
}

TEST_F(BinderTest, EnabledAndVisibleFollowTheModel) {
    form.button.set_enabled(false);
    form.other.hide();
    form.item.set_enabled(false);
    flush();
    EXPECT_FALSE(binder->widget(form.button)->isEnabled());
    EXPECT_FALSE(binder->widget(form.other)->isVisible());
    EXPECT_FALSE(action->isEnabled());
    form.other.show();
    flush();
    EXPECT_TRUE(binder->widget(form.other)->isVisible());
}

TEST_F(BinderTest, HiddenContainerHidesWhatItHolds) {
    form.group.hide();
    flush();
    EXPECT_FALSE(binder->widget(form.second)->isVisible());
    EXPECT_TRUE(binder->widget(form.first)->isVisible());
}

TEST_F(BinderTest, AHintIsTheTooltipAndShowsInTheStatusBarWhenTheMouseEnters) {
    int hovers = 0;
    form.label.on_mouse_over = [&](Control&) { ++hovers; };
    form.label.set_hint("（クリックで0.1％増加）");
    flush();
    QWidget* label = binder->widget(form.label);
    EXPECT_EQ(label->toolTip(), QStringLiteral("（クリックで0.1％増加）"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(status_bar->currentMessage(), QStringLiteral("（クリックで0.1％増加）"));
    EXPECT_EQ(hovers, 1);
}

TEST_F(BinderTest, AControlWithoutAHintShowsTheHintOfItsContainer) {
    form.group.set_hint("返済額は切り上げ・利息額は切り捨てを標準");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(binder->widget(form.second), &enter);
    EXPECT_EQ(status_bar->currentMessage(),
              QStringLiteral("返済額は切り上げ・利息額は切り捨てを標準"));
    QApplication::sendEvent(binder->widget(form.edit), &enter);
    EXPECT_TRUE(status_bar->currentMessage().isEmpty());
}

TEST_F(BinderTest, TheStatusLabelsTextShowsInTheStatusBar) {
    form.status.set_text("計算中");
    flush();
    EXPECT_EQ(status_bar->currentMessage(), QStringLiteral("計算中"));
}

TEST_F(BinderTest, ModelColoursPaintTheFieldAndDefaultGivesTheStyleBack) {
    auto* field = widget<QLineEdit>(form.edit);
    const QColor style_base = field->palette().color(QPalette::Base);
    form.edit.set_color(Color::Green);
    flush();
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0x00, 0xC0, 0x00));
    form.edit.set_color(Color::Default);
    flush();
    EXPECT_EQ(field->palette().color(QPalette::Base), style_base);
}

TEST_F(BinderTest, AFontSizeFromTheModelAppliesAndZeroRestoresTheDesignSize) {
    QWidget* label = binder->widget(form.label);
    const double design = label->font().pointSizeF();
    form.label.set_font_size(16);
    flush();
    EXPECT_EQ(label->font().pointSize(), 16);
    form.label.set_font_size(0);
    flush();
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), design);
}

TEST_F(BinderTest, AMemoShowsItsLinesAndGrowsByAppending) {
    auto* text = widget<QPlainTextEdit>(form.memo);
    form.memo.set_lines({"解説コーナー", ""});
    flush();
    form.memo.append("上の項目から選んで下さい。");
    flush();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("解説コーナー\n\n上の項目から選んで下さい。"));
    form.memo.clear();
    flush();
    EXPECT_TRUE(text->toPlainText().isEmpty());
}

TEST_F(BinderTest, TheWindowTakesTheFormsGeometryAndVisibility) {
    form.set_bounds(60, 70, 520, 410);
    flush();
    EXPECT_EQ(window.size(), QSize(520, 410));
    form.hide();
    flush();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BinderTest, AWindowAtItsMinimumTellsTheFormTheSizeItGot) {
    window.setMinimumSize(324, 256);
    form.set_size(200, 100);
    flush();
    EXPECT_EQ(window.size(), QSize(324, 256));
    EXPECT_EQ(form.width(), 324);
    EXPECT_EQ(form.height(), 256);
}

TEST_F(BinderTest, TheUsersCloseIsTheFormsDecision) {
    QSignalSpy closed(binder, &Binder::window_closed);
    form.refuse_close = true;
    window.close();
    flush();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(closed.count(), 0);

    form.refuse_close = false;
    window.close();
    flush();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace
}  // namespace rebanto::ui
