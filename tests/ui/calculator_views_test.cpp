// The views of the calculators: the four dialogs have their own windows with every
// control on them, and the search panel floats over the calculation page, opens with
// "検索" and runs from its buttons.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/addon_view.h"
#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/down_payment_view.h"
#include "ui/main_window_view.h"
#include "ui/rent_loan_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class CalculatorViews : public AppViewTest {
protected:
    TForm1& f() { return app().main; }
    QWidget* page() { return main_widget(f().TabSheet1); }

    // Every control of the window that is meant to be seen has a widget inside the window.
    void expect_every_control_placed(Form& form, Binder& binder, QWidget* window) {
        int placed = 0;
        for (Control* control : form.controls()) {
            if (!control->visible()) continue;
            QWidget* widget = binder.widget(*control);
            ASSERT_NE(widget, nullptr) << form.name() << "." << control->name();
            EXPECT_TRUE(window->isAncestorOf(widget)) << form.name() << "." << control->name();
            ++placed;
        }
        EXPECT_GT(placed, 8) << form.name();
    }
};

TEST_F(CalculatorViews, EachDialogHasItsOwnViewWithEveryControlOnIt) {
    auto* monthly = dynamic_cast<DownPaymentView*>(views().window(app().down_payment));
    auto* bonus = dynamic_cast<DownPaymentView*>(views().window(app().down_payment_bonus));
    auto* addon = dynamic_cast<AddonView*>(views().window(app().addon_dialog));
    auto* rent = dynamic_cast<RentLoanView*>(views().window(app().rent_dialog));
    ASSERT_NE(monthly, nullptr);
    ASSERT_NE(bonus, nullptr);
    ASSERT_NE(addon, nullptr);
    ASSERT_NE(rent, nullptr);
    expect_every_control_placed(app().down_payment, monthly->binder(), monthly);
    expect_every_control_placed(app().down_payment_bonus, bonus->binder(), bonus);
    expect_every_control_placed(app().addon_dialog, addon->binder(), addon);
    expect_every_control_placed(app().rent_dialog, rent->binder(), rent);
    ASSERT_NE(bonus->binder().widget(app().down_payment_bonus.Edit6), nullptr)
        << "the total of both down payments";
}

TEST_F(CalculatorViews, TheMainWindowsButtonsOpenTheDialogs) {
    const struct {
        Button& button;
        Form& dialog;
        const char* title;
    } openers[] = {
        {f().Button136, app().down_payment, "頭金調整　(月次専用)"},
        {f().Button141, app().down_payment_bonus, "頭金調整　(ボーナス-第2返済専用)"},
        {f().Button134, app().addon_dialog, "アドオン変換　(月次専用)"},
        {f().Button133, app().rent_dialog, "現在の家賃で支払い可能なローン額算定　(検索機能活用)"}};
    for (const auto& opener : openers) {
        QTest::mouseClick(main_widget(opener.button), Qt::LeftButton);
        flush();
        QWidget* window = views().window(opener.dialog);
        EXPECT_TRUE(window->isVisible()) << opener.title;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(opener.title));
    }
}

TEST_F(CalculatorViews, TheSearchPanelFloatsOverThePageAndHoldsItsControls) {
    QWidget* panel = main_widget(f().Panel4);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(page()->isAncestorOf(panel));
    EXPECT_FALSE(panel->isVisibleTo(page()));
    views().main().resize(f().width(), f().height());
    views().main().show();
    QTest::mouseClick(main_widget(f().Button93), Qt::LeftButton);
    flush();
    EXPECT_TRUE(panel->isVisibleTo(page()));
    const QRect area = page()->rect();
    EXPECT_TRUE(area.contains(QRect(panel->mapTo(page(), QPoint(0, 0)), panel->size())))
        << "the open panel is not clipped";
    for (Control* control : f().controls()) {
        const Control* p = control->parent();
        while (p != nullptr && p != &f().Panel4)
            p = p->parent();
        if (p == nullptr) continue;
        EXPECT_TRUE(panel->isAncestorOf(main_widget(*control))) << control->name();
    }
}

TEST_F(CalculatorViews, ASearchRunFromTheWidgetsShowsItsResult) {
    f().Ed0_moto.set_text("10000000");
    QTest::mouseClick(main_widget(f().Button93), Qt::LeftButton);
    QTest::mouseClick(main_widget(f().RBut_mot), Qt::LeftButton);
    auto* amount = qobject_cast<QLineEdit*>(main_widget(f().Edit3));
    ASSERT_NE(amount, nullptr);
    amount->setText(QStringLiteral("70000"));
    Q_EMIT amount->textEdited(amount->text());
    QTest::mouseClick(main_widget(f().Button73), Qt::LeftButton);
    flush();
    EXPECT_EQ(f().Edit4.text(), "70000");
    EXPECT_NE(f().Ed0_moto.text(), "10000000");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(main_widget(f().RBut_mot))->isChecked());
    QTest::mouseClick(main_widget(f().Button103), Qt::LeftButton);
    flush();
    EXPECT_EQ(f().Ed0_moto.text(), "10000000");
}

}  // namespace
}  // namespace rebanto::ui
