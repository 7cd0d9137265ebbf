// The current-tables window: its panels stand where the window model puts them in every
// layout and size, the band of buttons fits its 54 pixels, and the tables follow zoom,
// font size, edits and clicks through the model.
#include <QAbstractButton>
#include <QBrush>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/current_tables_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class CurrentTablesViewTest : public AppViewTest {
protected:
    TForCur& f() { return app().cur; }
    CurrentTablesView& view() { return views().current_tables(); }
    QWidget* widget(const Control& control) { return view().binder().widget(control); }
    void press(const Control& button) {
        QTest::mouseClick(widget(button), Qt::LeftButton);
        flush();
    }
    static QRect rect(const PanelGeometry& at) { return {at.left, at.top, at.width, at.height}; }
    void expect_whole_band(int band_height) {
        std::vector<Control*> band;
        for (Control* control : f().controls()) {
            if (control != &f().PanelM && control != &f().PanelB && control != &f().StGr1 &&
                control != &f().StGr2) {
                band.push_back(control);
            }
        }
        const QRect room(0, 0, view().width(), band_height);
        std::vector<QRect> placed;
        for (const Control* control : band) {
            QWidget* w = widget(*control);
            ASSERT_NE(w, nullptr) << control->name();
            EXPECT_TRUE(w->isVisible()) << control->name();
            const QRect at(w->mapTo(&view(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(room.contains(at)) << control->name();
            // A memory's panel holds its buttons; any other two must not overlap.
            if (dynamic_cast<const Panel*>(control) == nullptr &&
                dynamic_cast<const Panel*>(control->parent()) == nullptr) {
                for (const QRect& other : placed)
                    EXPECT_FALSE(at.intersects(other)) << control->name();
                placed.push_back(at);
            }
        }
    }
    void expect_panels_at_model() {
        EXPECT_EQ(view().monthly_panel()->geometry(), rect(f().monthly_geometry()));
        EXPECT_EQ(view().bonus_panel()->geometry(), rect(f().bonus_geometry()));
    }
};

// ---- Panels ----

TEST_F(CurrentTablesViewTest, StackedAtTheDefaultSizeThePanelsTakeTheModelsPlaces) {
    EXPECT_EQ(view().size(), QSize(587, 442));
    EXPECT_EQ(view().monthly_panel()->geometry(), QRect(0, 54, 583, 192));
    EXPECT_EQ(view().bonus_panel()->geometry(), QRect(0, 246, 583, 191));
    EXPECT_TRUE(view().monthly()->isVisible());
    EXPECT_TRUE(view().bonus()->isVisible());
}

TEST_F(CurrentTablesViewTest, EachLayoutButtonPlacesBothPanelsAndHidesOneWithoutArea) {
    press(f().BitBtn2);
    expect_panels_at_model();
    EXPECT_TRUE(view().monthly_panel()->isVisible());
    EXPECT_TRUE(view().bonus_panel()->isVisible());
    EXPECT_EQ(view().bonus_panel()->x(), view().monthly_panel()->width());

    press(f().Button1);
    expect_panels_at_model();
    EXPECT_TRUE(view().monthly_panel()->isVisible());
    EXPECT_FALSE(view().bonus_panel()->isVisible());

    press(f().Button2);
    expect_panels_at_model();
    EXPECT_FALSE(view().monthly_panel()->isVisible());
    EXPECT_TRUE(view().bonus_panel()->isVisible());

    press(f().BitBtn1);
    expect_panels_at_model();
    EXPECT_TRUE(view().monthly_panel()->isVisible());
    EXPECT_TRUE(view().bonus_panel()->isVisible());
}

TEST_F(CurrentTablesViewTest, ResizingTheFormSideBySideRelaysTheWindowOut) {
    press(f().BitBtn2);
    f().set_size(800, 500);
    flush();
    EXPECT_EQ(view().size(), QSize(800, 500));
    EXPECT_EQ(view().monthly_panel()->geometry(), QRect(0, 54, 398, 442));
    EXPECT_EQ(view().bonus_panel()->geometry(), QRect(398, 54, 398, 442));
    EXPECT_EQ(view().band()->width(), 800);
}

TEST_F(CurrentTablesViewTest, AUsersResizeOfTheWindowReachesTheFormAndItsLayout) {
    press(f().Button1);
    ASSERT_NE(view().windowHandle(), nullptr);
    view().windowHandle()->resize(700, 480);
    ASSERT_TRUE(wait_until([&] { return f().width() == 700 && f().height() == 480; }));
    EXPECT_EQ(view().monthly_panel()->geometry(), QRect(0, 54, 696, 422));
}

// ---- The band ----

TEST_F(CurrentTablesViewTest, EveryBandControlShowsWhole) {
    expect_whole_band(TForCur::kButtonBand);
    EXPECT_FALSE(static_cast<QAbstractButton*>(widget(f().Button5))->icon().isNull());
}

// Beside the main window on a 1366-pixel screen the band is too narrow for the memories and
// their bulk operations side by side: those go on a third line and the tables start below.
TEST_F(CurrentTablesViewTest, ANarrowBandPutsTheBulkOperationsOnALineOfTheirOwn) {
    f().set_size(480, 600);
    flush();
    ASSERT_EQ(view().width(), 480);
    const int band = view().band()->height();
    EXPECT_GT(band, TForCur::kButtonBand);
    expect_whole_band(band);
    EXPECT_EQ(view().monthly_panel()->y(), band);
    EXPECT_GE(view().least_width(), 400);
    EXPECT_LE(view().least_width(), 480);
}

TEST_F(CurrentTablesViewTest, ARecallButtonIsEnabledOnceItsMemoryIsStored) {
    for (Button* recall : {&f().Button91, &f().Button92, &f().Button93}) {
        EXPECT_FALSE(widget(*recall)->isEnabled());
    }
    press(f().Button82);
    EXPECT_FALSE(widget(f().Button91)->isEnabled());
    EXPECT_TRUE(widget(f().Button92)->isEnabled());
    EXPECT_FALSE(widget(f().Button93)->isEnabled());
}

// ---- The tables ----

TEST_F(CurrentTablesViewTest, ZoomWidensTheViewsColumnsAndRowsByATenth) {
    QTableView* table = view().monthly();
    std::vector<int> before;
    for (int c = 0; c < 14; ++c)
        before.push_back(table->columnWidth(c));
    const int row_before = table->verticalHeader()->defaultSectionSize();
    press(f().Button3);
    press(f().Button3);
    for (int c = 0; c < 14; ++c) {
        EXPECT_NEAR(table->columnWidth(c), before[static_cast<std::size_t>(c)] * 1.21, 3.0)
            << "column " << c;
    }
    EXPECT_GT(view().bonus()->columnWidth(3), before[3]);
    EXPECT_GE(table->verticalHeader()->defaultSectionSize(), row_before);
    press(f().Button4);
    EXPECT_NEAR(table->columnWidth(12), before[12] * 1.1, 3.0);
}

TEST_F(CurrentTablesViewTest, TheSizeStepperSetsTheFontOfBothTables) {
    auto* stepper = qobject_cast<QSpinBox*>(widget(f().UpDown3));
    ASSERT_NE(stepper, nullptr);
    EXPECT_EQ(stepper->minimum(), 5);
    EXPECT_EQ(stepper->maximum(), 100);
    stepper->setValue(14);
    flush();
    EXPECT_EQ(f().StGr2.font_size(), 14);
    EXPECT_EQ(view().monthly()->font().pointSize(), 14);
    EXPECT_EQ(view().bonus()->font().pointSize(), 14);
}

TEST_F(CurrentTablesViewTest, FixedCellsAreShadedPerTable) {
    const auto shade = [](QTableView* table, int row, int col) {
        return table->model()->index(row, col).data(Qt::BackgroundRole).value<QBrush>().color();
    };
    f().StGr1.append_row({"6", "0", "6", "24000000"});
    flush();
    EXPECT_EQ(shade(view().monthly(), 0, 5), QColor(228, 207, 190));
    EXPECT_EQ(shade(view().monthly(), 2, 1), QColor(228, 207, 190));
    EXPECT_EQ(shade(view().bonus(), 1, 0), QColor(154, 207, 214));
    EXPECT_FALSE(view().monthly()->model()->index(2, 3).data(Qt::BackgroundRole).isValid());
}

TEST_F(CurrentTablesViewTest, AUsersCellEditAndClickGoThroughTheModel) {
    f().StGr1.append_row({"6", "0", "6", "24000000", "2.325"});
    flush();
    QTableView* table = view().monthly();
    const QModelIndex cell = table->model()->index(2, 4);
    table->setCurrentIndex(cell);
    table->edit(cell);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("2.5"));
    QTest::keyClick(editor, Qt::Key_Return);
    flush();  // the editor commits from the event loop
    EXPECT_EQ(f().StGr1.cell(2, 4), "2.5");

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(2, 6)).center());
    EXPECT_EQ(f().StGr1.selected_row(), 2);
    EXPECT_EQ(f().StGr1.selected_col(), 6);
}

// A user reading row 300 of the monthly table still sees the column names above it, in
// every layout.
TEST_F(CurrentTablesViewTest, ScrolledToRow300TheMonthlyTableStillShowsItsColumnNames) {
    Grid& table = f().StGr1;
    ASSERT_EQ(table.cell(0, 0), "月回");
    while (table.row_count() <= 300) {
        const std::string month = std::to_string(table.row_count() - 1);
        table.append_row({month, "0", month, "24000000", "2.325"});
    }
    table.click_cell(300, 3);  // as the runner's "select TForCur.StGr1 300 3" does
    flush();
    QTableView* monthly = view().monthly();
    for (Button* layout : {&f().BitBtn1, &f().BitBtn2, &f().Button1}) {
        press(*layout);
        ASSERT_GT(monthly->verticalScrollBar()->value(), 0);
        const QRect last = monthly->visualRect(monthly->model()->index(300, 3));
        EXPECT_EQ(cell_shown_at(monthly, last.center()), monthly->model()->index(300, 3));
        const int y = monthly->rowHeight(0) / 2;
        for (const int col : {0, 3, 4}) {
            const int x = monthly->columnViewportPosition(col) + monthly->columnWidth(col) / 2;
            const QModelIndex shown = cell_shown_at(monthly, QPoint(x, y));
            EXPECT_EQ(shown.row(), 0) << layout->name() << " column " << col;
            EXPECT_EQ(shown.column(), col) << layout->name();
            EXPECT_EQ(shown.data().toString().toStdString(), table.cell(0, col));
        }
        EXPECT_EQ(cell_shown_at(monthly, QPoint(2, y)).data().toString(), QStringLiteral("月回"));
    }
}

}  // namespace
}  // namespace rebanto::ui
