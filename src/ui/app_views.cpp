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

namespace rebanto::ui {

AppViews::AppViews(App& app, QObject* parent) : QObject(parent), app_(app) {
    std::error_code ignored;
    first_start_ = !std::filesystem::exists(app.start_folder() / "kinri.ini", ignored);
    for (Form* form : app.forms()) {
        if (form == &app.main) {
            auto view = std::make_unique<MainWindowView>(app.main);
            main_ = view.get();
            connect(&main_->binder(), &Binder::window_closed, this, &AppViews::quit_requested);
            windows_.push_back(std::move(view));
        } else if (form == &app.cur) {
            auto view = std::make_unique<CurrentTablesView>(app.cur);
            current_ = view.get();
            windows_.push_back(std::move(view));
        } else if (form == &app.compare) {
            windows_.push_back(std::make_unique<ComparisonView>(app.compare));
        } else if (form == &app.rate_change_dialog) {
            windows_.push_back(std::make_unique<RateChangeView>(app.rate_change_dialog));
        } else if (form == &app.prepayment_dialog) {
            windows_.push_back(std::make_unique<PrepaymentChangeView>(app.prepayment_dialog));
        } else if (form == &app.bonus_correction) {
            windows_.push_back(std::make_unique<BonusCorrectionView>(app.bonus_correction));
        } else if (form == &app.study_navigator) {
            windows_.push_back(std::make_unique<StudyView>(app.study_navigator));
        } else if (form == &app.navigator) {
            windows_.push_back(std::make_unique<NavigatorView>(app.navigator));
        } else if (form == &app.rate_list) {
            windows_.push_back(std::make_unique<RateListView>(app.rate_list));
        } else if (form == &app.second_repayment) {
            windows_.push_back(std::make_unique<SecondRepaymentView>(app.second_repayment));
        } else if (form == &app.down_payment) {
            windows_.push_back(
                std::make_unique<DownPaymentView>(app.down_payment, nullptr, nullptr));
        } else if (form == &app.down_payment_bonus) {
            TForm9& bonus = app.down_payment_bonus;
            windows_.push_back(
                std::make_unique<DownPaymentView>(bonus, &bonus.Label6, &bonus.Edit6));
        } else if (form == &app.addon_dialog) {
            windows_.push_back(std::make_unique<AddonView>(app.addon_dialog));
        } else if (form == &app.rent_dialog) {
            windows_.push_back(std::make_unique<RentLoanView>(app.rent_dialog));
        } else if (auto* chart = dynamic_cast<ChartWindow*>(form)) {
            windows_.push_back(std::make_unique<ChartWindowView>(*chart));
            // A double click on a chart brings the main windows to the front.
            chart->raise_window = [this](Form& shown) {
                if (QWidget* widget = window(shown)) {
                    widget->raise();
                    widget->activateWindow();
                }
            };
        } else {
            windows_.push_back(std::make_unique<ShellWindowView>(*form));
        }
    }
}

// Later windows go first, the main window last.
AppViews::~AppViews() {
    for (ChartWindow* chart : {static_cast<ChartWindow*>(&app_.cur_chart),
                               static_cast<ChartWindow*>(&app_.composite_chart),
                               static_cast<ChartWindow*>(&app_.aux_chart),
                               static_cast<ChartWindow*>(&app_.effect_chart)}) {
        chart->raise_window = nullptr;
    }
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
