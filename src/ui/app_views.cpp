#include "ui/app_views.h"

#include <algorithm>
#include <filesystem>

#include "model/screen_fit.h"
#include "ui/screen_place.h"

#include "ui/addon_view.h"
#include "ui/binder.h"
#include "ui/bulk_change_views.h"
#include "ui/chart_window_view.h"
#include "ui/comparison_view.h"
#include "ui/current_tables_view.h"
#include "ui/down_payment_view.h"
#include "ui/main_window_view.h"
#include "ui/navigator_view.h"
#include "ui/rate_list_view.h"
#include "ui/rent_loan_view.h"
#include "ui/second_repayment_view.h"
#include "ui/shell_window_view.h"
#include "ui/study_view.h"
#include "ui/view_registry.h"

namespace rebanto::ui {

namespace {

// The view class of each window class of the application.
ViewRegistry window_views() {
    ViewRegistry views;
    views.add<TForm1>([](TForm1& f) { return std::make_unique<MainWindowView>(f); });
    views.add<TForCur>([](TForCur& f) { return std::make_unique<CurrentTablesView>(f); });
    views.add<TFormHi>([](TFormHi& f) { return std::make_unique<ComparisonView>(f); });
    views.add<TOKBotKinriDlg>(
        [](TOKBotKinriDlg& f) { return std::make_unique<RateChangeView>(f); });
    views.add<TOKBotKuriageDlg>(
        [](TOKBotKuriageDlg& f) { return std::make_unique<PrepaymentChangeView>(f); });
    views.add<TBHoseiDlg>([](TBHoseiDlg& f) { return std::make_unique<BonusCorrectionView>(f); });
    views.add<TForm10>([](TForm10& f) { return std::make_unique<StudyView>(f); });
    views.add<TForm4>([](TForm4& f) { return std::make_unique<NavigatorView>(f); });
    views.add<TForm7>([](TForm7& f) { return std::make_unique<RateListView>(f); });
    views.add<TForm8>([](TForm8& f) { return std::make_unique<SecondRepaymentView>(f); });
    views.add<TForm6>(
        [](TForm6& f) { return std::make_unique<DownPaymentView>(f, nullptr, nullptr); });
    // The bonus part's dialog also shows the sum of both down payments.
    views.add<TForm9>(
        [](TForm9& f) { return std::make_unique<DownPaymentView>(f, &f.Label6, &f.Edit6); });
    views.add<TOKBotAdonDlg>([](TOKBotAdonDlg& f) { return std::make_unique<AddonView>(f); });
    views.add<TOKBotGenyachinDlg>(
        [](TOKBotGenyachinDlg& f) { return std::make_unique<RentLoanView>(f); });
    const auto chart = [](ChartWindow& f) { return std::make_unique<ChartWindowView>(f); };
    views.add<TForm5>(chart);
    views.add<TForm3>(chart);
    views.add<TFormG3>(chart);
    views.add<TFormKGr>(chart);
    return views;
}

}  // namespace

AppViews::AppViews(App& app, QObject* parent) : QObject(parent), app_(app) {
    std::error_code ignored;
    first_start_ = !std::filesystem::exists(app.start_folder() / "kinri.ini", ignored);
    const ViewRegistry views = window_views();
    for (Form* form : app.forms())
        windows_.push_back(views.make(*form));
    main_ = static_cast<MainWindowView*>(window(app.main));
    current_ = static_cast<CurrentTablesView*>(window(app.cur));
    connect(&main_->binder(), &Binder::window_closed, this, &AppViews::quit_requested);
    for (ChartWindow* chart : charts()) {
        // A double click on a chart brings the main windows to the front.
        chart->raise_window = [this](Form& shown) {
            if (QWidget* widget = window(shown)) {
                widget->raise();
                widget->activateWindow();
            }
        };
    }
}

std::array<ChartWindow*, 4> AppViews::charts() const {
    return {&app_.cur_chart, &app_.composite_chart, &app_.aux_chart, &app_.effect_chart};
}

// Later windows go first, the main window last.
AppViews::~AppViews() {
    for (ChartWindow* chart : charts())
        chart->raise_window = nullptr;
    while (!windows_.empty())
        windows_.pop_back();
}

void AppViews::place_for_first_start() {
    if (!first_start_) return;
    // Room for a readable current table: its fixed columns and a few more.
    constexpr int kTablesWidth = 560;
    const QSize natural = main_->natural_size();
    const FrameMargins frame = frame_margins(main_);
    const Rect screen = screen_area_at(main_->frameGeometry().center());
    FirstStartSizes sizes;
    sizes.main_width = natural.width();
    sizes.main_height = natural.height();
    sizes.main_least_width = main_->least_width();
    sizes.tables_width = kTablesWidth;
    sizes.tables_least_width =
        std::max(current_->minimumSizeHint().width(), current_->least_width());
    // The comparison window opens at the height that shows ten rows of each table.
    sizes.comparison_width = std::max(app_.compare.width(), 900);
    sizes.comparison_height = app_.compare.height();
    const FirstStartPlaces places = first_start_places(screen, frame, sizes);
    const auto put = [&frame](Form& form, const Rect& client) {
        form.set_bounds(client.left - frame.left, client.top - frame.top, client.width,
                        client.height);
    };
    put(app_.main, places.main);
    put(app_.cur, places.current_tables);
    put(app_.compare, places.comparison);
}

void AppViews::bring_title_bars_on_screen() {
    for (const auto& view : windows_) {
        QWidget* shown = view.get();
        if (!shown->isVisible()) continue;
        const QRect frame = shown->frameGeometry();
        const Rect area = screen_area_at(frame.center());
        const int left = std::max(frame.left(), area.left);
        const int top = std::max(frame.top(), area.top);
        if (left != frame.left() || top != frame.top()) shown->move(left, top);
    }
}

QWidget* AppViews::window(const Form& form) const {
    const auto& forms = app_.forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (forms[i] == &form) return windows_[i].get();
    }
    return nullptr;
}

}  // namespace rebanto::ui
