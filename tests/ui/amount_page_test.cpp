// The page "個別返済額算定": every control of the page is on screen inside it, the panels
// open and close with the model, the progress slider follows the run both ways, and the
// page's popup menu offers the run commands on its background only.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

// Whether the control sits on the container, directly or inside a panel on it.
bool sits_on(const Control& control, const Control& container) {
    for (const Control* c = control.parent(); c != nullptr; c = c->parent()) {
        if (c == &container) return true;
    }
    return false;
}

class AmountPageTest : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QWidget* page() { return main_widget(f().TabSheet1); }

    void right_click_at(QWidget* target, const QPoint& at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    }
};

// ---- Every control has its widget ----

TEST_F(AmountPageTest, EveryControlOfThePageAndItsPanelsHasAWidgetOnThePage) {
    int checked = 0;
    for (Control* control : f().controls()) {
        if (!sits_on(*control, f().TabSheet1)) continue;
        QWidget* widget = main_widget(*control);
        ASSERT_NE(widget, nullptr) << control->name() << " has no widget";
        EXPECT_TRUE(page()->isAncestorOf(widget)) << control->name() << " is not on the page";
        ++checked;
    }
    // The steps, the progress, the runs and the three panels' controls.
    EXPECT_GE(checked, 100);
}

TEST_F(AmountPageTest, ThePanelsWidgetsHoldTheirOwnControls) {
    for (Control* control : f().controls()) {
        for (Panel* panel : {&f().Panel7, &f().Panel8, &f().PanelUchi}) {
            if (control->parent() != panel) continue;
            EXPECT_TRUE(main_widget(*panel)->isAncestorOf(main_widget(*control)))
                << control->name() << " is not inside " << panel->name();
        }
    }
}

TEST_F(AmountPageTest, AtTheUsualSizeTheVisibleControlsFitInsideThePage) {
    views().main().resize(f().width(), f().height());
    views().main().show();
    flush();
    const QRect area = page()->rect();
    for (Control* control : f().controls()) {
        if (!sits_on(*control, f().TabSheet1) || !control->showing()) continue;
        QWidget* widget = main_widget(*control);
        const QRect box(widget->mapTo(page(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(area.contains(box)) << control->name() << " is clipped";
    }
}

// ---- Panels ----

TEST_F(AmountPageTest, ThePrepaymentPanelOpensWithItsButton) {
    QWidget* panel = main_widget(f().PanelUchi);
    EXPECT_FALSE(panel->isVisibleTo(page()));
    QTest::mouseClick(main_widget(f().Button46), Qt::LeftButton);
    flush();
    EXPECT_TRUE(f().PanelUchi.visible());
    EXPECT_TRUE(panel->isVisibleTo(page()));
    EXPECT_EQ(qobject_cast<QLineEdit*>(main_widget(f().Edit27))->text().toStdString(),
              f().Edit2.text());
}

TEST_F(AmountPageTest, TheDayInterestPanelFollowsTheModel) {
    QWidget* panel = main_widget(f().Panel7);
    f().Panel7.show();
    flush();
    EXPECT_TRUE(panel->isVisibleTo(page()));
    f().Panel7.hide();
    flush();
    EXPECT_FALSE(panel->isVisibleTo(page()));
}

// ---- The progress slider ----

TEST_F(AmountPageTest, TheSliderSpansTheTermAndStandsAtTheEndOfTheStep) {
    f().Ed0_nen.set_text("35");
    f().Button1.click();
    flush();
    auto* slider = qobject_cast<QSlider*>(main_widget(f().TrackBar2));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->minimum(), f().TrackBar2.min());
    EXPECT_EQ(slider->maximum(), 420);
    EXPECT_EQ(slider->value(), f().TrackBar2.position());
    EXPECT_EQ(slider->value(), 12);
    EXPECT_EQ(slider->pageStep(), f().TrackBar2.page_size());
}

TEST_F(AmountPageTest, MovingTheSliderSetsThePositionAndTheModelAnswers) {
    f().Ed0_nen.set_text("35");
    flush();
    auto* slider = qobject_cast<QSlider*>(main_widget(f().TrackBar2));
    slider->setValue(60);
    EXPECT_EQ(f().TrackBar2.position(), 60);
    flush();
    EXPECT_EQ(qobject_cast<QLabel*>(main_widget(f().Label196))->text(),
              QStringLiteral("60＝5年0月"));
    EXPECT_EQ(f().Edit80.text(), "10");  // ten six-month steps reach month 60
}

// ---- The popup menu ----

TEST_F(AmountPageTest, ThePopupMenuOffersTheRunCommandsAndTheCharts) {
    const QList<QAction*> actions = views().main().amount_menu()->actions();
    QStringList names;
    for (const QAction* action : actions)
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(names, (QStringList{"N5kibun", "N10kibun", "NShiteiKibun", "NSaigo", "NMemoKisai",
                                  "-", "NGurafuM", "NGurafuB"}));
    EXPECT_EQ(actions[4]->text().toStdString(), f().NMemoKisai.caption());
}

TEST_F(AmountPageTest, TheMenusFiveStepsEntryRunsFiveSteps) {
    ASSERT_EQ(f().LabK1.caption(), "0");
    views().main().amount_menu()->actions()[0]->trigger();
    flush();
    EXPECT_EQ(f().LabK1.caption(), "30");  // five six-month steps have passed
    EXPECT_EQ(qobject_cast<QLabel*>(main_widget(f().LabK1))->text(), QStringLiteral("30"));
}

TEST_F(AmountPageTest, ARightClickOnTheBackgroundShowsTheMenuButNotOnALabel) {
    QMenu* menu = views().main().amount_menu();
    QWidget* label = main_widget(f().Label4);
    right_click_at(label, QPoint(2, 2));
    EXPECT_FALSE(menu->isVisible()) << "a label keeps its own right click";
    right_click_at(page(), QPoint(2, 2));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

}  // namespace
}  // namespace rebanto::ui
