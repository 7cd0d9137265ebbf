// The pages of the main window built from the model: every control the model puts on a
// page shows there, the composite page follows its copy buttons, and the captions the
// view gives bare fields come and go with them.
#include <QBrush>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/comparison_view.h"
#include "ui/current_tables_view.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class MainWindowPagesTest : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QWidget* page(const Panel& sheet) { return main_widget(sheet); }
    void open(const Panel& sheet) {
        f().PageControl1.set_active_page(sheet);
        flush();
    }
    static bool on_page(const Control& control, const Panel& sheet) {
        for (const Control* c = control.parent(); c != nullptr; c = c->parent()) {
            if (c == &sheet) return true;
        }
        return false;
    }
};

// ---- Every control has its place ----

TEST_F(MainWindowPagesTest, EveryControlOfTheModelsPagesHasAWidgetOnItsPage) {
    for (const Panel* sheet :
         {&f().TabSheet2, &f().TabSheet5, &f().TabSheet6, &f().TabSheet7, &f().TabSheet8}) {
        int found = 0;
        for (const Control* control : f().controls()) {
            if (!on_page(*control, *sheet)) continue;
            ++found;
            if (dynamic_cast<const MenuItem*>(control) != nullptr) {
                EXPECT_NE(views().main().binder().action(*control), nullptr) << control->name();
                continue;
            }
            QWidget* widget = main_widget(*control);
            ASSERT_NE(widget, nullptr) << control->name() << " on " << sheet->name();
            EXPECT_TRUE(page(*sheet)->isAncestorOf(widget))
                << control->name() << " not on " << sheet->name();
            EXPECT_EQ(widget->isVisibleTo(page(*sheet)), control->showing()) << control->name();
        }
        EXPECT_GT(found, 0) << sheet->name();
    }
}

TEST_F(MainWindowPagesTest, AGroupBoxOfTheModelHoldsItsControls) {
    QWidget* group = main_widget(f().GroupBox12);
    ASSERT_NE(group, nullptr);
    for (const Control* control : {static_cast<const Control*>(&f().Bt2_hendo_mon),
                                   static_cast<const Control*>(&f().RdBt2_kotei),
                                   static_cast<const Control*>(&f().Ed2_hensai1tei_yy)}) {
        EXPECT_TRUE(group->isAncestorOf(main_widget(*control))) << control->name();
    }
}

TEST_F(MainWindowPagesTest, TheSettingsPageShowsEachPresetRateBesideItsName) {
    open(f().TabSheet5);
    for (const auto& [name, field] :
         {std::pair<Control*, Control*>{&f().La5_kouko_kijun, &f().Edit39},
          {&f().La5_kouko11, &f().Edit40},
          {&f().La5_tokusyu3, &f().Edit57}}) {
        QWidget* label = main_widget(*name);
        QWidget* edit = main_widget(*field);
        ASSERT_NE(edit, nullptr) << field->name();
        const QPoint l = label->mapTo(page(f().TabSheet5), label->rect().center());
        const QPoint e = edit->mapTo(page(f().TabSheet5), edit->rect().center());
        EXPECT_LE(std::abs(l.y() - e.y()), 2) << field->name();
        EXPECT_LT(l.x(), e.x()) << field->name();
    }
}

// ---- "複合編成" ----

TEST_F(MainWindowPagesTest, TheCompositePageShowsTheCopyTheButtonChose) {
    f().ButtonM.set_enabled(true);
    f().ButtonB.set_enabled(true);
    app().cur.StGr1.append_row({"6", "0", "6", "24000000"});
    open(f().TabSheet7);
    auto* monthly = qobject_cast<QTableView*>(main_widget(f().StringGrid1));
    auto* bonus = qobject_cast<QTableView*>(main_widget(f().StringGrid2));
    auto* caption = qobject_cast<QLineEdit*>(main_widget(f().Edit45));
    ASSERT_NE(monthly, nullptr);
    ASSERT_NE(bonus, nullptr);
    EXPECT_FALSE(monthly->isVisible());
    EXPECT_FALSE(bonus->isVisible());
    EXPECT_TRUE(caption->isReadOnly());

    QTest::mouseClick(main_widget(f().ButtonM), Qt::LeftButton);
    flush();
    EXPECT_TRUE(monthly->isVisible());
    EXPECT_FALSE(bonus->isVisible());
    EXPECT_EQ(monthly->model()->rowCount(), app().cur.StGr1.row_count());
    EXPECT_EQ(monthly->model()->index(2, 3).data().toString(), QStringLiteral("24000000"));
    EXPECT_EQ(caption->text(), QStringLiteral("ｶﾚﾝﾄ月返済表"));
    EXPECT_EQ(caption->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(monthly->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(228, 207, 190));

    QTest::mouseClick(main_widget(f().ButtonB), Qt::LeftButton);
    flush();
    EXPECT_FALSE(monthly->isVisible());
    EXPECT_TRUE(bonus->isVisible());
    EXPECT_EQ(caption->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
}

TEST_F(MainWindowPagesTest, ThePackResaveButtonWaitsForALoad) {
    open(f().TabSheet7);
    EXPECT_FALSE(main_widget(f().Button89)->isVisible());
    f().Button89.show();
    flush();
    EXPECT_TRUE(main_widget(f().Button89)->isVisible());
}

// ---- "編成一括" ----

TEST_F(MainWindowPagesTest, AFieldsCaptionHidesWithTheField) {
    open(f().TabSheet8);
    const auto shown_captions = [&](const QString& text) {
        int shown = 0;
        for (const QLabel* label : page(f().TabSheet8)->findChildren<QLabel*>()) {
            if (label->text() == text && label->isVisible()) ++shown;
        }
        return shown;
    };
    EXPECT_EQ(shown_captions(QStringLiteral("初回差額")), 1);
    EXPECT_EQ(shown_captions(QStringLiteral("日数")), 2);
    f().Edit78.hide();
    flush();
    EXPECT_EQ(shown_captions(QStringLiteral("初回差額")), 0);
    EXPECT_FALSE(main_widget(f().Edit78)->isVisible());
    // The page opened on a loan paid out today: its difference shows "ｶﾚﾝﾄ表の初回訂正",
    // which goes with the difference.
    EXPECT_TRUE(main_widget(f().Button51)->isVisible());
    f().Button123.click();
    flush();
    EXPECT_FALSE(main_widget(f().Button51)->isVisible());
}

// ---- The comparison window ----

TEST_F(MainWindowPagesTest, TheComparisonWindowShowsItsThreeTablesWithTheirHeaders) {
    QTest::mouseClick(views().current_tables().binder().widget(app().cur.Button6), Qt::LeftButton);
    flush();
    auto* window = qobject_cast<ComparisonView*>(views().window(app().compare));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    for (int k = 0; k < 3; ++k) {
        QTableView* table = window->table(k);
        ASSERT_NE(table, nullptr);
        EXPECT_TRUE(table->isVisible());
        EXPECT_EQ(table->model()->columnCount(), 12);
        EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("月回"));
        EXPECT_EQ(table->model()->index(0, 11).data().toString(), QStringLiteral("元金残総額"));
    }
    EXPECT_LT(window->table(0)->y(), window->table(1)->y());
    EXPECT_LT(window->table(1)->y(), window->table(2)->y());
}

}  // namespace
}  // namespace rebanto::ui
