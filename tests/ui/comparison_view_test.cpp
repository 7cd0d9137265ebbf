// The comparison window on screen: each table under its row of memories and operations,
// widgets that drive the model; and printing, which offers a PDF file to a user without
// a printer.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "test_form.h"
#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/comparison_view.h"
#include "ui/print_job.h"
#include "ui/qt_platform.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class ComparisonViewTest : public AppViewTest {
protected:
    TFormHi& f() { return app().compare; }
    ComparisonView& view() { return *static_cast<ComparisonView*>(views().window(f())); }
    QWidget* widget(const Control& control) { return view().binder().widget(control); }
};

TEST_F(ComparisonViewTest, EachTableHasItsMemoriesAndOperationsAboveIt) {
    app().cur.Button6Click(app().cur.Button6);
    flush();
    ASSERT_TRUE(view().isVisible());
    for (int k = 0; k < 3; ++k)
        ASSERT_NE(view().table(k), nullptr);
    // The rows of A's and B's memories and buttons stand above their tables, in order.
    const auto top = [&](const Control& c) { return widget(c)->mapTo(&view(), QPoint()).y(); };
    const auto table_top = [&](int k) { return view().table(k)->mapTo(&view(), QPoint()).y(); };
    EXPECT_LT(top(f().CheckBox1), table_top(0));
    EXPECT_GT(top(f().CheckBox6), table_top(0));
    EXPECT_LT(top(f().CheckBox6), table_top(1));
    EXPECT_GT(top(f().Button3), table_top(1));
    EXPECT_LT(top(f().Button3), table_top(2));
    // A tick on screen is a tick in the model.
    auto* memory1 = qobject_cast<QCheckBox*>(widget(f().CheckBox1));
    ASSERT_NE(memory1, nullptr);
    QTest::mouseClick(memory1, Qt::LeftButton, {}, QPoint(6, memory1->height() / 2));
    flush();
    EXPECT_TRUE(f().CheckBox1.checked());
    // "加算実行" with no memory stored says so.
    QTest::mouseClick(widget(f().Button1), Qt::LeftButton);
    EXPECT_EQ(
        platform_.take_log().back(),
        "info カレント両表の該当一時記憶にデータがありません。一時記憶に記憶した後再度実行して"
        "下さい。");
}

// The window opens tall enough for the title rows and ten rows of each table.
TEST_F(ComparisonViewTest, OpensWithTenRowsOfEachTableInSight) {
    app().cur.Button6Click(app().cur.Button6);
    flush();
    ASSERT_TRUE(view().isVisible());
    for (int k = 0; k < 3; ++k) {
        const QTableView* table = view().table(k);
        const Grid& grid = k == 0 ? f().StringGrid1 : k == 1 ? f().StringGrid2 : f().StringGrid3;
        const int rows = grid.fixed_rows() + ComparisonView::kReadableRows;
        EXPECT_GE(table->viewport()->height(), rows * table->verticalHeader()->defaultSectionSize())
            << "table " << k;
    }
}

// The memo's design font is not installed: the printout's Japanese glyphs are the printing
// family's own, each exactly two half-width columns, so "ローン" ends where "Rebant" would.
TEST(PrintJob, JapaneseIsPrintedTwoColumnsWideInTheLine) {
    const QFont font = print_font(FontChoice{"ＭＳ明朝", 10, false, false, "black"});
    const QFontMetricsF metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(u'ロ')));
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("ローン")),
                     metrics.horizontalAdvance(QStringLiteral("Rebant")));
}

TEST(PrintJob, LinesGoIntoAPdfFileOverAsManyPagesAsTheyNeed) {
    QTemporaryDir dir;
    PrintJob job;
    job.title = "返済計算";
    for (int i = 0; i < 150; ++i)
        job.lines.push_back("Rebanto（月返済） " + std::to_string(i));
    job.font = FontChoice{"ＭＳ明朝", 10, false, false, "black"};
    const QString path = dir.filePath(QStringLiteral("memo.pdf"));
    ASSERT_TRUE(print_job_to_pdf(job, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2)
        << "150 lines of 10 points need more than one page";
    EXPECT_FALSE(print_job_to_pdf(job, dir.filePath(QStringLiteral("none/memo.pdf"))));
}

class PrintChoiceTest : public UiTest {
protected:
    QtPlatform platform{"."};
};

TEST_F(PrintChoiceTest, PrintingOffersAPdfAndCancelPrintsNothing) {
    QStringList choices;
    bool printer_offered = false;
    expect_dialog([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        QAbstractButton* cancel = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            choices << b->text();
            if (b->text() == QStringLiteral("プリンタ...")) printer_offered = b->isEnabled();
            if (b->text() == QStringLiteral("キャンセル")) cancel = b;
        }
        ASSERT_NE(cancel, nullptr);
        cancel->click();
    });
    PrintJob job;
    job.lines = {"a"};
    EXPECT_FALSE(platform.print(job));
    EXPECT_TRUE(choices.contains(QStringLiteral("PDFに保存...")));
    EXPECT_EQ(printer_offered, !QPrinterInfo::availablePrinterNames().isEmpty())
        << "without a printer only the PDF is offered";
}

}  // namespace
}  // namespace rebanto::ui
