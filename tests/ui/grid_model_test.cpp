// The grid adapter: views learn of the grid's changes (appends, resets, cells) in batches
// that always agree with what they are told, and read the cells from the grid itself.
#include <QAbstractItemModelTester>
#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "ui/binder.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

std::vector<std::string> warnings;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) warnings.push_back(message.toStdString());
}

class GridModelTest : public UiTest {
protected:
    Form form{"TTest", "test"};
    Grid grid{form, "StGr", 3, 4, 1, 1};
    GridModel model{grid};

    QString text(int row, int col) const { return model.index(row, col).data().toString(); }
};

TEST_F(GridModelTest, ItemModelTesterFindsNoInconsistencyThroughEveryKindOfChange) {
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    {
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        grid.append_row({"a", "b", "c", "d"});
        grid.append_row({"e"});
        model.sync();
        grid.set_cell(2, 1, "x");
        model.sync();
        grid.set_row_count(2);
        model.sync();
        grid.set_row_count(1);
        grid.append_row({"f"});
        grid.set_col_count(6);
        model.sync();
        grid.set_row_count(40);
        grid.set_fixed(2, 0);
        model.sync();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

TEST_F(GridModelTest, AppendedRowsReachTheViewsAsOneInsertionAtTheNextSync) {
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    grid.append_row({"1", "2"});
    grid.append_row({"3", "4"});
    grid.append_row({"5", "6"});
    EXPECT_EQ(model.rowCount(), 3) << "the views must not see rows before they are announced";
    model.sync();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 3);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 5);
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(text(5, 1), QStringLiteral("6"));
}

TEST_F(GridModelTest, ShrinkingTheGridResetsTheViews) {
    grid.append_row({"1"});
    model.sync();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    grid.set_row_count(2);
    model.sync();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);
}

TEST_F(GridModelTest, AResetFollowedByMoreRowsIsStillAReset) {
    grid.set_cell(2, 0, "old");
    model.sync();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    grid.set_row_count(1);
    for (int i = 0; i < 5; ++i)
        grid.append_row({"new"});
    model.sync();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(text(2, 0), QStringLiteral("new"));
}

TEST_F(GridModelTest, AChangedCellIsReportedWithItsRow) {
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    grid.set_cell(2, 3, "42");
    model.sync();
    ASSERT_EQ(changed.count(), 1);
    const auto top_left = changed.at(0).at(0).value<QModelIndex>();
    const auto bottom_right = changed.at(0).at(1).value<QModelIndex>();
    EXPECT_LE(top_left.row(), 2);
    EXPECT_GE(bottom_right.row(), 2);
    EXPECT_GE(bottom_right.column(), 3);
    EXPECT_EQ(text(2, 3), QStringLiteral("42"));
}

TEST_F(GridModelTest, ChangesAreAnnouncedByThemselvesOnceTheEventLoopRuns) {
    grid.append_row({"later"});
    EXPECT_TRUE(wait_until([&] { return model.rowCount() == 4; }));
}

TEST_F(GridModelTest, FixedCellsAreShadedAndCannotBeSelectedOrEdited) {
    grid.set_editable(true);
    EXPECT_TRUE(model.index(0, 2).data(Qt::BackgroundRole).value<QBrush>().style() != Qt::NoBrush);
    EXPECT_TRUE(model.index(2, 0).data(Qt::BackgroundRole).value<QBrush>().style() != Qt::NoBrush);
    EXPECT_FALSE(model.index(1, 1).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(1, 1)) & Qt::ItemIsEditable);
}

TEST_F(GridModelTest, AnEditGoesToTheGridAsTheUsersEdit) {
    int edits = 0;
    grid.on_cell_edited = [&](Grid&, int row, int col) {
        ++edits;
        EXPECT_EQ(row, 1);
        EXPECT_EQ(col, 2);
    };
    EXPECT_FALSE(model.setData(model.index(1, 2), QStringLiteral("7"))) << "not editable yet";
    grid.set_editable(true);
    EXPECT_TRUE(model.setData(model.index(1, 2), QStringLiteral("7")));
    EXPECT_EQ(grid.cell(1, 2), "7");
    EXPECT_EQ(edits, 1);
}

class GridViewTest : public UiTest {
protected:
    Form form{"TTest", "test"};
    Grid grid{form, "StGr", 5, 3, 1, 0};
    Binder binder{form};
    QTableView* view = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        view = make_grid_view(binder, grid);
        view->resize(300, 300);
        view->show();
        flush();
    }
    void TearDown() override {
        delete view;
        UiTest::TearDown();
    }
};

TEST_F(GridViewTest, TheProgramsSelectionMovesTheCurrentCellWithoutAClick) {
    int clicks = 0;
    grid.on_click = [&](Control&) { ++clicks; };
    grid.set_selection(3, 2);
    flush();
    EXPECT_EQ(view->currentIndex().row(), 3);
    EXPECT_EQ(view->currentIndex().column(), 2);
    EXPECT_EQ(clicks, 0);
}

TEST_F(GridViewTest, MovingTheCurrentCellWithTheKeyboardClicksTheGrid) {
    int clicks = 0;
    grid.on_click = [&](Control&) { ++clicks; };
    grid.set_selection(2, 1);
    flush();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(grid.selected_row(), 3);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GridViewTest, AMouseClickOnACellClicksTheGridOnceAndOneOnTheHeaderDoesNot) {
    int clicks = 0;
    grid.on_click = [&](Control&) { ++clicks; };
    const auto click_cell = [&](int row, int col) {
        const QRect cell = view->visualRect(view->model()->index(row, col));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    };
    click_cell(2, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid.selected_row(), 2);
    EXPECT_EQ(grid.selected_col(), 1);
    click_cell(0, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GridViewTest, ColumnWidthsFollowTheGridAndNoQtHeadersShow) {
    grid.set_col_width(0, 40);
    grid.set_col_width(1, 120);
    flush();
    EXPECT_LT(view->columnWidth(0), view->columnWidth(1));
    EXPECT_GE(view->columnWidth(1), 120);
    EXPECT_FALSE(view->horizontalHeader()->isVisible());
    EXPECT_FALSE(view->verticalHeader()->isVisible());
}

// A column is at least as wide as its widest cell, whether the cell came with an appended
// row or changed in a row the view already had; a figure and a Japanese word alike.
TEST_F(GridViewTest, ColumnsWidenForCellsThatComeOrChangeLater) {
    const QFontMetrics metrics(view->font());
    const auto fits = [&](int col, const char* text) {
        return view->columnWidth(col) >= metrics.horizontalAdvance(QString::fromUtf8(text));
    };
    grid.append_row({"1", "123,456,789,012,345", ""});
    flush();
    EXPECT_TRUE(fits(1, "123,456,789,012,345"));
    grid.set_cell(2, 2, "-98,765,432,109,876.10");
    flush();
    EXPECT_TRUE(fits(2, "-98,765,432,109,876.10")) << "a changed cell of an existing row";
    grid.set_cell(3, 2, "内入れ返済同時内入れ返済同時");
    flush();
    EXPECT_TRUE(fits(2, "内入れ返済同時内入れ返済同時"));
}

// ---- The header row while the rows scroll ----

// A grid of 300 rows under its header row "H0".."H7", in a view showing a few rows and
// columns; column 0 is fixed, as the month is in the schedules.
class FrozenHeaderTest : public UiTest {
protected:
    static constexpr int kCols = 8;
    static constexpr int kLastRow = 300;
    Form form{"TTest", "test"};
    Grid grid{form, "StGr", 1, kCols, 1, 1};
    Binder binder{form};
    QTableView* view = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        for (int col = 0; col < kCols; ++col)
            grid.set_cell(0, col, header(col));
        for (int row = 1; row <= kLastRow; ++row)
            grid.append_row(row_cells(row));
        view = make_grid_view(binder, grid);
        view->resize(300, 200);
        view->show();
        flush();
    }
    void TearDown() override {
        delete view;
        UiTest::TearDown();
    }

    static std::string header(int col) { return "H" + std::to_string(col); }
    static std::vector<std::string> row_cells(int row) {
        std::vector<std::string> cells;
        for (int col = 0; col < kCols; ++col)
            cells.push_back(std::to_string(row) + "." + std::to_string(col));
        return cells;
    }

    QModelIndex at(int row, int col) const { return view->model()->index(row, col); }
    int header_height() const { return view->rowHeight(0); }
    void scroll_to_last_row() {
        grid.set_selection(kLastRow, 3);
        flush();
        ASSERT_GT(view->verticalScrollBar()->value(), 0);
        ASSERT_LT(view->rowViewportPosition(0) + view->rowHeight(0), 0)
            << "the body's own header row is out of sight";
    }

    // Over every column the body shows whole, from its left to its right edge, the user
    // sees that column's header cell, read from the same model.
    void expect_header_over_columns(int y) {
        const int room = view->viewport()->width();
        int whole = 0;
        for (int col = 0; col < kCols; ++col) {
            const int left = view->columnViewportPosition(col);
            const int right = left + view->columnWidth(col) - 1;
            if (left < 0 || right >= room) continue;
            ++whole;
            for (const int x : {left + 1, (left + right) / 2, right - 1}) {
                const QModelIndex shown = cell_shown_at(view, QPoint(x, y));
                EXPECT_EQ(shown.row(), 0) << "column " << col << " at x " << x;
                EXPECT_EQ(shown.column(), col) << "at x " << x;
                EXPECT_EQ(shown.model(), view->model()) << "the header row is the grid's own";
                EXPECT_EQ(shown.data().toString().toStdString(), header(col));
            }
        }
        EXPECT_GE(whole, 2) << "the view shows too few columns to judge";
    }
};

TEST_F(FrozenHeaderTest, AtTheLastRowTheHeaderRowStillShowsAtTheTop) {
    // At the top the header row lies where the grid's row 0 is and covers nothing else.
    const QRect first = view->visualRect(at(1, 3));
    EXPECT_EQ(view->visualRect(at(0, 3)).top(), 0);
    EXPECT_EQ(cell_shown_at(view, first.center()), at(1, 3));

    scroll_to_last_row();
    expect_header_over_columns(header_height() / 2);
    expect_header_over_columns(1);
    const QRect last = view->visualRect(at(kLastRow, 3));
    EXPECT_EQ(cell_shown_at(view, last.center()), at(kLastRow, 3)) << "the last row shows too";
}

TEST_F(FrozenHeaderTest, ScrollingSidewaysKeepsEachHeaderCellOverItsColumn) {
    scroll_to_last_row();
    QScrollBar* bar = view->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    for (const int value : {bar->maximum(), 1, bar->maximum() / 2 + 1}) {
        bar->setValue(value);
        flush();
        EXPECT_LT(view->columnViewportPosition(0), 0) << "the fixed column scrolls as it did";
        expect_header_over_columns(header_height() / 2);
    }
}

TEST_F(FrozenHeaderTest, AZoomOfTheGridsColumnsResizesTheHeaderCells) {
    scroll_to_last_row();
    const int before = view->columnWidth(2);
    for (int col = 0; col < kCols; ++col)
        grid.set_col_width(col, static_cast<int>(std::lround(grid.col_width(col) * 1.1)) + col);
    flush();
    EXPECT_GT(view->columnWidth(2), before);
    expect_header_over_columns(header_height() / 2);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    flush();
    expect_header_over_columns(header_height() / 2);
    for (int col = 0; col < kCols; ++col)
        grid.set_col_width(col, 30 + 5 * col);
    flush();
    expect_header_over_columns(header_height() / 2);
}

TEST_F(FrozenHeaderTest, TheHeaderRowTakesTheGridsRowHeightAndFont) {
    scroll_to_last_row();
    grid.set_row_height(40);
    grid.set_font_size(14);
    flush();
    const int height = header_height();
    EXPECT_GE(height, 40);
    const int x = view->columnViewportPosition(1) + view->columnWidth(1) / 2;
    EXPECT_EQ(cell_shown_at(view, QPoint(x, 1)).row(), 0);
    EXPECT_EQ(cell_shown_at(view, QPoint(x, height - 2)).row(), 0);
    EXPECT_GT(cell_shown_at(view, QPoint(x, height + 1)).row(), 0) << "no taller than a row";
    QWidget* drawn = widget_at(view, QPoint(x, 1), nullptr);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->font().pointSize(), 14);
    expect_header_over_columns(height / 2);
}

TEST_F(FrozenHeaderTest, AClickOnTheHeaderRowIsAClickOnRowZeroAsBefore) {
    scroll_to_last_row();
    int clicks = 0;
    grid.on_click = [&](Control&) { ++clicks; };
    QSignalSpy clicked(view, &QAbstractItemView::clicked);
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    view->clearFocus();
    const int x = view->columnViewportPosition(2) + view->columnWidth(2) / 2;
    QPoint local;
    QWidget* target = widget_at(view, QPoint(x, header_height() / 2), &local);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).value<QModelIndex>(), at(0, 2));
    EXPECT_EQ(clicks, 0) << "a fixed cell is no click on the grid";
    EXPECT_EQ(grid.selected_row(), kLastRow);
    EXPECT_EQ(view->currentIndex(), at(kLastRow, 3));
    EXPECT_TRUE(view->hasFocus()) << "the click gives the grid the focus";

    // A row just below the header takes the click itself.
    const int row = view->rowAt(header_height() + 2);
    ASSERT_GT(row, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at(row, 2)).center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid.selected_row(), row);
    EXPECT_EQ(grid.selected_col(), 2);
}

TEST_F(FrozenHeaderTest, ARowBroughtIntoViewAboveComesOutFromUnderTheHeader) {
    scroll_to_last_row();
    const int covered = view->rowAt(1);  // the body's row under the header
    ASSERT_GT(covered, 1);
    grid.set_selection(covered, 3);
    flush();
    EXPECT_EQ(cell_shown_at(view, view->visualRect(at(covered, 3)).center()), at(covered, 3));
    expect_header_over_columns(header_height() / 2);

    // The keyboard's way up, one row past the top of what shows.
    QTest::keyClick(view, Qt::Key_Up);
    flush();
    ASSERT_EQ(grid.selected_row(), covered - 1);
    EXPECT_EQ(cell_shown_at(view, view->visualRect(at(covered - 1, 3)).center()),
              at(covered - 1, 3));
}

// A panel given its room after the program chose a row (a layout switch): the header row
// must not come to lie over the chosen row, and what fits beside the fixed cells shows them.
TEST_F(FrozenHeaderTest, AViewGrownFromNothingShowsTheChosenRowBelowTheHeader) {
    view->resize(40, 30);
    flush();
    grid.set_selection(2, 4);
    flush();
    view->resize(600, 300);
    flush();
    EXPECT_EQ(cell_shown_at(view, view->visualRect(at(2, 4)).center()), at(2, 4));
    EXPECT_EQ(view->columnViewportPosition(0), 0);
    expect_header_over_columns(header_height() / 2);
}

// Rows appended one at a time reach both the body and the header row as insertions, never
// as a rebuild, and the model stays consistent throughout.
TEST_F(FrozenHeaderTest, RowsAppendedOneByOneAreInsertionsAndTheHeaderStays) {
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    {
        QAbstractItemModelTester tester(view->model(),
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        QSignalSpy reset(view->model(), &QAbstractItemModel::modelReset);
        QSignalSpy layout(view->model(), &QAbstractItemModel::layoutChanged);
        QSignalSpy inserted(view->model(), &QAbstractItemModel::rowsInserted);
        grid.set_row_count(1);
        flush();
        for (int row = 1; row <= 500; ++row) {
            grid.append_row(row_cells(row));
            flush();
        }
        EXPECT_EQ(reset.count(), 1) << "only the cut to the header row";
        EXPECT_EQ(layout.count(), 0);
        EXPECT_EQ(inserted.count(), 500);
        EXPECT_EQ(view->model()->rowCount(), 501);
        grid.set_selection(500, 3);
        flush();
        expect_header_over_columns(header_height() / 2);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

}  // namespace
}  // namespace rebanto::ui
