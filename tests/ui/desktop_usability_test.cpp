// What a newcomer needs around the figures: windows on the screen, inputs the calculation
// cannot read marked, schedules copied for a spreadsheet, gestures that show themselves.
#include <QApplication>
#include <QClipboard>
#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <algorithm>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/current_tables_view.h"
#include "ui/input_marks.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class DesktopTest : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QTableView* monthly() {
        return qobject_cast<QTableView*>(views().current_tables().binder().widget(app().cur.StGr1));
    }
    void typical_loan() {
        f().Ed0_moto.set_text("30000000");
        f().Ed0_kin.set_text("2.325");
        f().Ed0_nen.set_text("35");
        f().Ed0_wari.set_text("20");
        f().Button18.click();
        flush();
    }
};

// ---- Windows on the screen ----

TEST_F(DesktopTest, WindowPlacedOffTheScreenComesBackWhole) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    app().cur.set_bounds(screen.right() + 500, -300, 587, 442);
    flush();
    QWidget* window = views().window(app().cur);
    EXPECT_GE(window->y(), screen.top());
    EXPECT_GE(window->x(), screen.left());
    EXPECT_LE(window->x() + window->width(), screen.right() + 1);
    EXPECT_LE(window->y() + window->height(), screen.bottom() + 1);
    // The form learns where its window went, so that is what the settings record.
    EXPECT_EQ(app().cur.left(), window->x());
    EXPECT_EQ(app().cur.top(), window->y());
}

// A window manager hung the current tables' frame above the screen (the window had been
// placed before its frame was known): it comes down to the screen's top.
TEST_F(DesktopTest, AFrameAboveTheScreenComesDownToItsTop) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget* window = views().window(app().cur);
    window->move(screen.left() + 300, screen.top() - 20);
    ASSERT_LT(window->frameGeometry().top(), screen.top());
    views().bring_title_bars_on_screen();
    EXPECT_EQ(window->frameGeometry().top(), screen.top());
    EXPECT_EQ(window->frameGeometry().left(), screen.left() + 300);
}

TEST_F(DesktopTest, MainWindowWiderThanTheScreenShrinksToIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    f().set_bounds(10, 10, screen.width() + 400, screen.height() + 300);
    flush();
    EXPECT_LE(views().main().width(), screen.width());
    EXPECT_LE(views().main().height(), screen.height());
}

// ---- Tables to read and copy ----

TEST_F(DesktopTest, BlockOfTheScheduleIsCopiedWithItsHeaderAsTabSeparatedText) {
    typical_loan();
    QTableView* table = monthly();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::ContiguousSelection);
    QAbstractItemModel* model = table->model();
    table->selectionModel()->select(QItemSelection(model->index(2, 3), model->index(2, 4)),
                                    QItemSelectionModel::ClearAndSelect);
    QApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("元金\t年金利\n24000000\t2.325\n"));
}

TEST_F(DesktopTest, ColumnsShowTheirHeaderAndWidestCellWhole) {
    typical_loan();
    QTableView* table = monthly();
    const Grid& grid = app().cur.StGr1;
    const QFontMetrics metrics(table->font());
    for (int col = 0; col < grid.col_count(); ++col) {
        int widest = 0;
        for (int row = 0; row < grid.row_count(); ++row)
            widest = std::max(
                widest, metrics.horizontalAdvance(QString::fromStdString(grid.cell(row, col))));
        EXPECT_GE(table->columnWidth(col), widest) << "column " << col;
    }
    // The user can still resize them.
    EXPECT_EQ(table->horizontalHeader()->sectionResizeMode(3), QHeaderView::Interactive);
}

// ---- Inputs the calculation cannot read ----

TEST_F(DesktopTest, BadRateIsMarkedNamedAndTheResultsFade) {
    typical_loan();
    MainWindowView& main = views().main();
    f().Ed0_kin.set_text("2..5");
    flush();
    main.input_marks().refresh();
    QWidget* rate = main_widget(f().Ed0_kin);
    EXPECT_TRUE(rate->styleSheet().contains(QStringLiteral("#d00000")));
    EXPECT_TRUE(main.input_marks().status_text().contains(QStringLiteral("ｽﾀｰﾄ年金利の「2..5」")));
    EXPECT_NE(main_widget(f().Edit4)->graphicsEffect(), nullptr);
    EXPECT_NE(main_widget(f().Edit5)->graphicsEffect(), nullptr);

    f().Ed0_kin.set_text("2.5");
    flush();
    main.input_marks().refresh();
    EXPECT_TRUE(rate->styleSheet().isEmpty());
    EXPECT_TRUE(main.input_marks().status_text().isEmpty());
    EXPECT_EQ(main_widget(f().Edit4)->graphicsEffect(), nullptr);
}

// ---- Gestures that show themselves ----

TEST_F(DesktopTest, GestureLabelShowsAHandAndSaysWhatItsClicksDo) {
    QWidget* years = main_widget(f().Label22);
    EXPECT_EQ(years->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(years->toolTip().contains(QStringLiteral("右クリックで1年減")));
}

TEST_F(DesktopTest, GesturesSwitchedOffLeaveTheTermAlone) {
    f().Ed0_nen.set_text("10");
    flush();
    set_gestures_enabled(false);
    QTest::mouseClick(main_widget(f().Label22), Qt::RightButton);
    flush();
    EXPECT_EQ(f().Ed0_nen.text(), "10");
    set_gestures_enabled(true);
    QTest::mousePress(main_widget(f().Label22), Qt::RightButton);
    QTest::mouseRelease(main_widget(f().Label22), Qt::RightButton);
    flush();
    EXPECT_EQ(f().Ed0_nen.text(), "9");
}

}  // namespace
}  // namespace rebanto::ui
