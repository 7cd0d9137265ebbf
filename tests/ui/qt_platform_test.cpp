// The desktop platform: dialogs asked and answered, file filters in Qt's form, the
// generator, the wait cursor, and a repaint that shows a long run's progress.
#include <gtest/gtest-spi.h>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "test_form.h"
#include "ui/file_filter.h"
#include "ui/qt_platform.h"

namespace rebanto::ui {
namespace {

void press(QWidget* dialog, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

class QtPlatformTest : public UiTest {
protected:
    QtPlatform platform{"."};
};

TEST(FileFilter, PairsBecomeQtEntries) {
    const struct {
        const char* given;
        const char* expected;
    } cases[] = {
        {"パックファイル (*.mpc)|*.mpc", "パックファイル (*.mpc)"},
        {"テキスト|*.txt", "テキスト (*.txt)"},
        {"CSV (*.csv)|*.csv|すべて (*.*)|*.*", "CSV (*.csv);;すべて (*.*)"},
        {"表|*.csv;*.txt", "表 (*.csv *.txt)"},
        {"表（カンマ区切り）|*.csv", "表（カンマ区切り） (*.csv)"},
        {"メモ(月返済)|*.txt", "メモ(月返済) (*.txt)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qt_file_filter(c.given), QString::fromUtf8(c.expected)) << c.given;
    }
}

TEST_F(QtPlatformTest, AQuestionIsAnsweredYesOrNo) {
    expect_dialog([](QWidget* dialog) { press(dialog, QMessageBox::Yes); });
    EXPECT_TRUE(platform.ask("保存しますか"));
    expect_dialog([](QWidget* dialog) { press(dialog, QMessageBox::No); });
    EXPECT_FALSE(platform.ask("保存しますか"));
}

TEST_F(QtPlatformTest, AMessageBoxShowsTheText) {
    QString shown;
    expect_dialog([&](QWidget* dialog) {
        shown = qobject_cast<QMessageBox*>(dialog)->text();
        press(dialog, QMessageBox::Ok);
    });
    platform.message("計算終了");
    EXPECT_EQ(shown, QStringLiteral("計算終了"));
}

QtPlatform* unwatched_platform = nullptr;

TEST_F(QtPlatformTest, AnUnexpectedDialogFailsTheTestInsteadOfHanging) {
    unwatched_platform = &platform;
    EXPECT_NONFATAL_FAILURE(unwatched_platform->error("読めません"), "unexpected modal dialog");
}

TEST_F(QtPlatformTest, TheGeneratorStaysInRangeAndRepeatsFromAFixedStart) {
    platform.fix_random(7);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) {
        const int value = platform.random_int(6);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        first.push_back(value);
        const double real = platform.random();
        ASSERT_GE(real, 0.0);
        ASSERT_LT(real, 1.0);
    }
    platform.fix_random(7);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(platform.random_int(6), first[i]);
        platform.random();
    }
}

TEST_F(QtPlatformTest, TheWaitCursorIsOnOrOff) {
    platform.set_wait_cursor(true);
    platform.set_wait_cursor(true);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    platform.set_wait_cursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

using RepaintTest = BoundFormTest;

// A run's progress is painted without returning to the event loop, but only once a tenth
// of a second has passed: a short run is painted once, when it ends.
TEST_F(RepaintTest, ARunShowsItsProgressOnlyOnceATenthOfASecondHasPassed) {
    QtPlatform platform{"."};
    QLineEdit* shown = widget<QLineEdit>(form.edit);
    const QString before = shown->text();
    form.edit.set_text("進行中");
    platform.repaint();
    EXPECT_EQ(shown->text(), before) << "the run has only begun";
    QThread::msleep(120);
    platform.repaint();
    EXPECT_EQ(shown->text(), QStringLiteral("進行中"));
    form.edit.set_text("次");
    platform.repaint();
    EXPECT_EQ(shown->text(), QStringLiteral("進行中")) << "painted a moment ago";
}

}  // namespace
}  // namespace rebanto::ui
