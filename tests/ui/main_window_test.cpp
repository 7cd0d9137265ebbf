// The main window and the current tables as the user meets them after start-up.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/current_tables_view.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

using MainWindowTest = AppViewTest;

TEST_F(MainWindowTest, OnlyTheMainWindowAndTheCurrentTablesShowAfterStartUp) {
    for (Form* form : app().forms()) {
        QWidget* window = views().window(*form);
        ASSERT_NE(window, nullptr) << form->name();
        const bool expected = form == &app().main || form == &app().cur;
        EXPECT_EQ(window->isVisible(), expected) << form->name();
        EXPECT_EQ(window->windowTitle().toStdString(), form->caption()) << form->name();
    }
}

TEST_F(MainWindowTest, ThePagesAreTheModelsInItsOrderWithTheAmountPageOpen) {
    QTabWidget* tabs = views().main().pages();
    const QStringList expected{"一括表",   "個別返済額算定", "ﾒﾓ(月返済)", "(ﾎﾞｰﾅｽ返済)",
                               "複合編成", "編成一括",       "設定",       "解説"};
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), expected[i]);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("個別返済額算定"));
}

TEST_F(MainWindowTest, TheActivePageFollowsTheUserAndTheProgram) {
    QTabWidget* tabs = views().main().pages();
    tabs->setCurrentIndex(6);
    EXPECT_EQ(app().main.PageControl1.active_page(), &app().main.TabSheet5);
    app().main.PageControl1.set_active_page(app().main.TabSheet6);
    flush();
    EXPECT_EQ(tabs->currentIndex(), 7);
}

TEST_F(MainWindowTest, TheSettingsPanelIsHiddenUntilAnIndicatorIsClicked) {
    QWidget* panel = main_widget(app().main.Panel5);
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(main_widget(app().main.HRh), Qt::LeftButton);
    flush();
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(MainWindowTest, ChoosingRoundUpInThePanelSetsTheInstalmentRoundingAndItsColour) {
    app().main.HRh.click();
    flush();
    QTest::mouseClick(main_widget(app().main.RB13), Qt::LeftButton);
    ASSERT_TRUE(wait_until([&] { return app().main.HRh.tag() == 2; }));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(main_widget(app().main.RB13))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(main_widget(app().main.RB11))->isChecked());
    EXPECT_EQ(main_widget(app().main.HRh)->palette().color(QPalette::Base),
              QColor(0x00, 0xC0, 0x00));
}

TEST_F(MainWindowTest, CloseClosesTheSettingsPanel) {
    app().main.HRh.click();
    flush();
    QTest::mouseClick(main_widget(app().main.Button106), Qt::LeftButton);
    flush();
    EXPECT_FALSE(main_widget(app().main.Panel5)->isVisible());
}

TEST_F(MainWindowTest, TheScaleButtonsResizeTheWindowThroughTheModel) {
    QWidget& window = views().main();
    EXPECT_EQ(window.size(), QSize(app().main.width(), app().main.height()));
    QTest::mouseClick(main_widget(app().main.Button114), Qt::LeftButton);
    flush();
    EXPECT_EQ(window.width(), (900 - 8) * 5 / 4 + 8);
    EXPECT_EQ(window.size(), QSize(app().main.width(), app().main.height()));
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(main_widget(app().main.Button115), Qt::LeftButton);
    flush();
    EXPECT_EQ(window.size(), QSize(MainWindowView::kMinimumWidth, MainWindowView::kMinimumHeight));
}

TEST_F(MainWindowTest, TheTitleMenuHoldsTheDigitUnitsAndChangesTheStep) {
    const QList<QAction*> actions = views().main().digit_menu()->actions();
    ASSERT_EQ(actions.size(), 13);
    EXPECT_EQ(actions[0]->objectName(), QStringLiteral("Kta9"));
    EXPECT_EQ(actions[9]->objectName(), QStringLiteral("Kta0"));
    EXPECT_TRUE(actions[10]->isSeparator());
    EXPECT_EQ(actions[12]->objectName(), QStringLiteral("KtaU"));
    const QString before = main_widget(app().main.Label19)->toolTip();
    actions[0]->trigger();
    flush();
    EXPECT_NE(main_widget(app().main.Label19)->toolTip(), before);
    EXPECT_EQ(main_widget(app().main.Label19)->toolTip().toStdString(), app().main.Label19.hint());
}

TEST_F(MainWindowTest, TypingAnAmountReachesTheModel) {
    app().main.Ed0_moto.set_text("");
    flush();
    QTest::keyClicks(main_widget(app().main.Ed0_moto), QStringLiteral("35000000"));
    EXPECT_EQ(app().main.Ed0_moto.text(), "35000000");
}

TEST_F(MainWindowTest, TheStatusBarShowsTheHintOfTheIndicatorUnderTheMouse) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(main_widget(app().main.HRr), &enter);
    EXPECT_EQ(views().main().statusBar()->currentMessage().toStdString(), app().main.HRr.hint());
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksToQuit) {
    QSignalSpy quit(&views(), &AppViews::quit_requested);
    views().main().close();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindowTest, TheCurrentTablesShowBothGridsAndFollowTheirRows) {
    QTableView* monthly = views().current_tables().monthly();
    QTableView* bonus = views().current_tables().bonus();
    EXPECT_EQ(monthly->model()->rowCount(), app().cur.StGr1.row_count());
    EXPECT_EQ(bonus->model()->rowCount(), app().cur.StGr2.row_count());
    EXPECT_EQ(monthly->model()->index(0, 0).data().toString(), QStringLiteral("月回"));
    app().cur.StGr1.append_row({"1", "2026"});
    flush();
    EXPECT_EQ(monthly->model()->rowCount(), app().cur.StGr1.row_count());
    EXPECT_EQ(monthly->model()->index(app().cur.StGr1.row_count() - 1, 1).data().toString(),
              QStringLiteral("2026"));
}

}  // namespace
}  // namespace rebanto::ui
