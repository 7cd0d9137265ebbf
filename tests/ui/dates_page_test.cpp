// The page "編成一括" and the date fields on screen: the masked date fields normalise as
// the user types, a right click puts the reference date in, a double click opens the
// month calendar under the field, the picker and its months follow the model, the list
// of calculation types, and everything fits on the page at the usual size.
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class DatesPageTest : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QWidget* page() { return main_widget(f().TabSheet8); }
    void open(const Panel& sheet) {
        views().main().resize(f().width(), f().height());
        views().main().show();
        f().PageControl1.set_active_page(sheet);
        flush();
    }
    static bool sits_on(const Control& control, const Control& container) {
        for (const Control* c = control.parent(); c != nullptr; c = c->parent()) {
            if (c == &container) return true;
        }
        return false;
    }
    void expect_fits(const Panel& sheet) {
        QWidget* area = main_widget(sheet);
        for (Control* control : f().controls()) {
            if (!sits_on(*control, sheet) || !control->showing()) continue;
            QWidget* widget = main_widget(*control);
            ASSERT_NE(widget, nullptr) << control->name();
            const QRect box(widget->mapTo(area, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(area->rect().contains(box)) << control->name() << " is clipped";
        }
    }
};

TEST_F(DatesPageTest, AtTheUsualSizeThePageShowsEverythingUnclipped) {
    open(f().TabSheet8);
    expect_fits(f().TabSheet8);
    // With the day counter open the calculation page still fits.
    f().Label6.click();
    open(f().TabSheet1);
    expect_fits(f().TabSheet1);
}

TEST_F(DatesPageTest, ADateFieldIsMaskedAndNormalisesWhatIsTyped) {
    // A loan date of the user's own: the page keeps its first payment of 2001/06/20.
    f().MsEd8_yusi.set_text("2001/05/21");
    open(f().TabSheet8);
    auto* field = qobject_cast<QLineEdit*>(main_widget(f().MsEd8_mon));
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->inputMask().isEmpty());
    EXPECT_EQ(field->displayText(), QStringLiteral("2001/06/20"));
    field->setFocus();
    field->setCursorPosition(5);  // the month's first digit, typed over
    QTest::keyClicks(field, QStringLiteral("1"));
    flush();
    // Month 16 is held at December.
    EXPECT_EQ(f().MsEd8_mon.text(), "2001/12/20");
    EXPECT_EQ(field->displayText(), QStringLiteral("2001/12/20"));
    EXPECT_EQ(field->cursorPosition(), 6);
}

TEST_F(DatesPageTest, ARightClickPutsTheReferenceDateIntoTheField) {
    open(f().TabSheet8);
    f().DateTimePicker1.set_text("2002/02/10");
    QWidget* field = main_widget(f().MsEd8_bon);
    EXPECT_EQ(field->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::mouseClick(field, Qt::RightButton);
    flush();
    EXPECT_EQ(f().MsEd8_bon.text(), "2002/02/10");
}

TEST_F(DatesPageTest, TheMonthCalendarOpensUnderTheFieldAndGivesItTheDay) {
    // A loan date of the user's own: the page keeps its first payment of 2001/06/20.
    f().MsEd8_yusi.set_text("2001/05/21");
    open(f().TabSheet8);
    QWidget* field = main_widget(f().MsEd8_mon);
    QTest::mouseDClick(field, Qt::LeftButton);
    flush();
    auto* calendar = qobject_cast<QCalendarWidget*>(main_widget(f().MonthCalendar2));
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2001, 6, 20));
    QWidget* pages = views().main().pages();
    const QPoint under = field->mapTo(pages, QPoint(0, field->height()));
    EXPECT_GE(calendar->y(), under.y());
    EXPECT_LE(std::abs(calendar->x() - under.x()), 2);
    Q_EMIT calendar->activated(QDate(2001, 6, 25));
    flush();
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(f().MsEd8_mon.text(), "2001/06/25");
    EXPECT_EQ(qobject_cast<QDateEdit*>(main_widget(f().DateTimePicker1))->date(),
              QDate(2001, 6, 25));
}

TEST_F(DatesPageTest, EscapeClosesTheMonthCalendarUnchanged) {
    open(f().TabSheet8);
    const std::string before = f().MsEd8_bon.text();
    f().MsEd8_bon.dbl_click();
    flush();
    QWidget* calendar = main_widget(f().MonthCalendar2);
    ASSERT_TRUE(calendar->isVisible());
    QTest::keyClick(calendar->focusProxy() != nullptr ? calendar->focusProxy() : calendar,
                    Qt::Key_Escape);
    flush();
    EXPECT_FALSE(f().MonthCalendar2.visible());
    EXPECT_EQ(f().MsEd8_bon.text(), before);
}

TEST_F(DatesPageTest, ThePickerAndItsMonthsFollowTheReferenceDate) {
    open(f().TabSheet8);
    auto* picker = qobject_cast<QDateEdit*>(main_widget(f().DateTimePicker1));
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    picker->setDate(QDate(2003, 3, 3));  // as the user's edit would
    flush();
    EXPECT_EQ(f().DateTimePicker1.text(), "2003/03/03");
    EXPECT_EQ(f().MonthCalendar1.text(), "2003/03/03");
    auto* first = page()->findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1_0"));
    auto* second = page()->findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1_1"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(first->isVisible());
    f().DateTimePicker1.right_click();
    flush();
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->monthShown(), 3);
    EXPECT_EQ(second->monthShown(), 4);
    EXPECT_EQ(second->yearShown(), 2003);
}

TEST_F(DatesPageTest, TheCalculationTypesAreTheModelsFifteen) {
    open(f().TabSheet8);
    auto* box = qobject_cast<QComboBox*>(main_widget(f().ComboBox2));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 15);
    EXPECT_EQ(box->currentText(), QStringLiteral("一般-固定金利"));
    Q_EMIT box->activated(9);
    EXPECT_EQ(f().ComboBox2.text(), "6ヶ月毎変動金利=返済額連動");
    f().ComboBox2.set_item_index(2);
    flush();
    EXPECT_EQ(box->currentIndex(), 2);
}

TEST_F(DatesPageTest, APaymentDateBeforeTheLoanShowsRed) {
    open(f().TabSheet8);
    QWidget* field = main_widget(f().MsEd8_mon);
    // The page opens on a loan paid out today with its first payment a month later.
    EXPECT_NE(field->palette().color(QPalette::Base), QColor(0xFF, 0x00, 0x00));
    f().MsEd8_mon.set_text("2001/06/20");
    flush();
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xFF, 0x00, 0x00));
    f().MsEd8_yusi.set_text("2001/05/21");
    flush();
    EXPECT_NE(field->palette().color(QPalette::Base), QColor(0xFF, 0x00, 0x00));
}

}  // namespace
}  // namespace rebanto::ui
