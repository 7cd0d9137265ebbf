// Each window gets the view registered for its own class; a class without one gets the
// plain view that lists its controls.
#include <QLabel>

#include "test_form.h"
#include "ui/app_views.h"
#include "ui/chart_window_view.h"
#include "ui/down_payment_view.h"
#include "ui/main_window_view.h"
#include "ui/shell_window_view.h"
#include "ui/view_registry.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

// A window class derived from one that has a view: it is another class.
struct DerivedTestForm : TestForm {};

class MarkedView : public QLabel {
public:
    explicit MarkedView(TestForm& form) : form_(form) {}
    TestForm& form_;
};

class ViewRegistryTest : public UiTest {};

TEST_F(ViewRegistryTest, AWindowGetsTheViewOfItsClassMadeForItself) {
    ViewRegistry registry;
    registry.add<TestForm>([](TestForm& f) { return std::make_unique<MarkedView>(f); });
    TestForm form;
    const std::unique_ptr<QWidget> view = registry.make(form);
    auto* marked = dynamic_cast<MarkedView*>(view.get());
    ASSERT_NE(marked, nullptr);
    EXPECT_EQ(&marked->form_, &form);
}

TEST_F(ViewRegistryTest, AClassWithoutAViewGetsThePlainView) {
    ViewRegistry registry;
    registry.add<TestForm>([](TestForm& f) { return std::make_unique<MarkedView>(f); });
    DerivedTestForm derived;
    const std::unique_ptr<QWidget> view = registry.make(derived);
    EXPECT_EQ(dynamic_cast<MarkedView*>(view.get()), nullptr);
    EXPECT_NE(dynamic_cast<ShellWindowView*>(view.get()), nullptr);
}

class AppViewRegistry : public AppViewTest {};

TEST_F(AppViewRegistry, EachWindowOfTheApplicationHasTheViewOfItsClass) {
    EXPECT_EQ(views().window(app().main), &views().main());
    EXPECT_NE(dynamic_cast<MainWindowView*>(views().window(app().main)), nullptr);
    for (Form* chart :
         {static_cast<Form*>(&app().cur_chart), static_cast<Form*>(&app().composite_chart),
          static_cast<Form*>(&app().aux_chart), static_cast<Form*>(&app().effect_chart)}) {
        EXPECT_NE(dynamic_cast<ChartWindowView*>(views().window(*chart)), nullptr) << chart->name();
    }
    EXPECT_NE(dynamic_cast<DownPaymentView*>(views().window(app().down_payment)), nullptr);
    EXPECT_NE(dynamic_cast<DownPaymentView*>(views().window(app().down_payment_bonus)), nullptr);
    // The pension window has no view of its own yet.
    EXPECT_NE(dynamic_cast<ShellWindowView*>(views().window(app().pension)), nullptr);
}

TEST_F(AppViewRegistry, TheBonusDownPaymentShowsTheSumOfBothDownPayments) {
    auto* bonus = dynamic_cast<DownPaymentView*>(views().window(app().down_payment_bonus));
    ASSERT_NE(bonus, nullptr);
    QWidget* sum = bonus->binder().widget(app().down_payment_bonus.Edit6);
    ASSERT_NE(sum, nullptr);
    EXPECT_TRUE(bonus->isAncestorOf(sum));
}

TEST_F(AppViewRegistry, ADoubleClickOnAChartRaisesTheMainWindows) {
    ASSERT_TRUE(static_cast<bool>(app().cur_chart.raise_window));
    ASSERT_TRUE(static_cast<bool>(app().effect_chart.raise_window));
}

}  // namespace
}  // namespace rebanto::ui
