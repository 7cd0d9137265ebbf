// The memo pages: the memo follows the model's lines in a fixed-pitch Japanese font, its
// size stepper and font follow the model, a click on the memo goes back to the page the
// run came from, and the tab captions follow the model.
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/main_window_view.h"
#include "ui/memo_font.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class MemoPageTest : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QPlainTextEdit* memo(const Memo& m) { return qobject_cast<QPlainTextEdit*>(main_widget(m)); }
    QTabWidget* tabs() { return views().main().pages(); }
    int tab_of(const Panel& page) { return tabs()->indexOf(main_widget(page)); }

    void click_memo(const Memo& m) {
        QWidget* area = memo(m)->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, 20));
    }
};

// ---- Lines ----

TEST_F(MemoPageTest, TheMemoShowsTheModelsLinesAndFollowsAppends) {
    ASSERT_NE(memo(f().RichEdit1), nullptr);
    EXPECT_EQ(memo(f().RichEdit1)->blockCount(), static_cast<int>(f().RichEdit1.lines().size()));
    f().RichEdit1.append("  1  6   \\1,000,000");
    flush();
    const QStringList shown = memo(f().RichEdit1)->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), static_cast<int>(f().RichEdit1.lines().size()));
    EXPECT_EQ(shown.back(), QStringLiteral("  1  6   \\1,000,000"));
}

TEST_F(MemoPageTest, ACommittedStepReachesTheMonthlyMemo) {
    const auto before = f().RichEdit1.lines().size();
    f().Button1.click();
    flush();
    ASSERT_GT(f().RichEdit1.lines().size(), before);
    EXPECT_TRUE(memo(f().RichEdit1)
                    ->toPlainText()
                    .endsWith(QString::fromStdString(f().RichEdit1.lines().back())));
}

TEST_F(MemoPageTest, ClearingEmptiesTheMemo) {
    f().Button1.click();
    platform_.queue_answer(true);  // yes, erase the tables and memos
    f().Bt0_allClear.click();
    flush();
    EXPECT_EQ(memo(f().RichEdit2)->blockCount(), static_cast<int>(f().RichEdit2.lines().size()));
}

// ---- Font ----

TEST_F(MemoPageTest, TheMemoIsInAFixedPitchFontWithJapaneseGlyphs) {
    const QString family = fixed_pitch_japanese_family();
    if (family.isEmpty()) GTEST_SKIP() << "no fixed-pitch Japanese font installed";
    QPlainTextEdit* view = memo(f().RichEdit1);
    EXPECT_EQ(QFontInfo(view->font()).family(), family);
    const QFontMetricsF metrics(view->font());
    // Columns of half-width spaces line up under full-width text.
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("返済")),
                metrics.horizontalAdvance(QStringLiteral("    ")), 0.5);
    EXPECT_FALSE(view->font().italic());
    EXPECT_TRUE(memo(f().RichEdit2)->font().italic());
}

TEST_F(MemoPageTest, TheSizeStepperFollowsTheModelAndSetsTheMemosSize) {
    auto* stepper = qobject_cast<QSpinBox*>(main_widget(f().UpDown1));
    ASSERT_NE(stepper, nullptr);
    EXPECT_EQ(stepper->minimum(), f().UpDown1.min());
    EXPECT_EQ(stepper->maximum(), f().UpDown1.max());
    EXPECT_EQ(stepper->value(), f().UpDown1.position());
    stepper->setValue(14);
    EXPECT_EQ(f().UpDown1.position(), 14);
    EXPECT_EQ(f().RichEdit1.font_size(), 14);
    flush();
    EXPECT_EQ(memo(f().RichEdit1)->font().pointSize(), 14);
}

TEST_F(MemoPageTest, TheInitialFontButtonResetsTheStepper) {
    auto* stepper = qobject_cast<QSpinBox*>(main_widget(f().UpDown2));
    stepper->setValue(20);
    QTest::mouseClick(main_widget(f().Button41), Qt::LeftButton);
    flush();
    EXPECT_EQ(stepper->value(), 10);
    EXPECT_EQ(memo(f().RichEdit2)->font().pointSize(), 10);
}

// ---- Gestures ----

TEST_F(MemoPageTest, AClickOnTheMemoAfterARunGoesBackToTheCalculationPage) {
    f().Button19.click();  // five steps, then the memo page opens
    flush();
    ASSERT_EQ(tabs()->currentIndex(), tab_of(f().TabSheet3));
    click_memo(f().RichEdit1);
    flush();
    EXPECT_EQ(f().PageControl1.active_page(), &f().TabSheet1);
    EXPECT_EQ(tabs()->currentIndex(), tab_of(f().TabSheet1));
}

TEST_F(MemoPageTest, ARightClickOnTheMemoKeepsLaterRunsOnTheirPage) {
    f().PageControl1.set_active_page(f().TabSheet3);
    flush();
    QTest::mousePress(memo(f().RichEdit1)->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseRelease(memo(f().RichEdit1)->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(f().memo_switch_suppressed);
    f().PageControl1.set_active_page(f().TabSheet1);
    f().Button19.click();
    flush();
    EXPECT_EQ(tabs()->currentIndex(), tab_of(f().TabSheet1));
}

// ---- Tabs ----

TEST_F(MemoPageTest, TheBonusTabTakesTheSecondStreamsCaptionAndColour) {
    f().TabSheet4.set_caption("( 第2返済分)");
    f().TabSheet4.set_font_color(Color::Blue);
    flush();
    const int tab = tab_of(f().TabSheet4);
    EXPECT_EQ(tabs()->tabText(tab), QStringLiteral("( 第2返済分)"));
    EXPECT_EQ(tabs()->tabBar()->tabTextColor(tab), QColor(0x00, 0x00, 0xFF));
    f().TabSheet4.set_font_color(Color::Default);
    flush();
    EXPECT_FALSE(tabs()->tabBar()->tabTextColor(tab).isValid());
}

}  // namespace
}  // namespace rebanto::ui
