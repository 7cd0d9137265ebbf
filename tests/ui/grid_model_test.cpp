// The grid adapter: views learn of the grid's changes (appends, resets, cells) in batches
// that always agree with what they are told, and read the cells from the grid itself.
#include <QAbstractItemModelTester>
#include <QBrush>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

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

}  // namespace
}  // namespace rebanto::ui
