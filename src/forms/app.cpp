#include "forms/app.h"

#include <utility>

#include "forms/guard.h"

namespace rebanto {

App::App(Platform& platform, AppOptions options)
    : platform_(platform),
      options_(std::move(options)),
      main(*this),
      cur(*this),
      navigator(*this),
      prepayment_dialog(*this),
      rate_change_dialog(*this),
      rate_list(*this),
      second_repayment(*this),
      study_navigator(*this),
      bonus_correction(*this) {
    if (options_.program.empty()) {
        std::error_code error;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        options_.program = error ? std::string("rebanto") : self.string();
    }
    forms_ = {&main,
              &splash,
              &cur,
              &navigator,
              &cur_chart,
              &composite_chart,
              &prepayment_dialog,
              &rent_dialog,
              &rate_change_dialog,
              &addon_dialog,
              &down_payment,
              &rate_list,
              &second_repayment,
              &down_payment_bonus,
              &study_navigator,
              &pension,
              &bonus_correction,
              &compare,
              &effect_chart,
              &aux_chart};
    // A failure that no handler caught ends at the window's boundary, never in the toolkit.
    for (Form* form : forms_) {
        form->failure_report = [this](std::exception_ptr failure) {
            report_failure(std::move(failure), platform_, FailureRule::Window);
        };
    }
    // The current-tables window's numeric export is a routine of the files subsystem, which
    // sits above that window's.
    cur.Bt_suuti.on_click = guarded(cur, &TForCur::Bt_suutiClick, platform_);
    // The comparison grids lead the row synchronisation; their data starts at row 1.
    int order = 10;
    for (Grid* grid : {&compare.StringGrid1, &compare.StringGrid2, &compare.StringGrid3}) {
        row_sync.add(*grid, order++, 1);
        grid->on_click = [this](Control& sender) { row_sync.sync(static_cast<Grid&>(sender)); };
    }
}

Form* App::find_form(const std::string& name) const {
    for (Form* form : forms_) {
        if (form->name() == name) return form;
    }
    return nullptr;
}

void App::start() {
    main.start_up();
    // The main window's first paint restores the recorded window placement.
    if (main.CheckBox4.checked()) main.restore_placement();
}

}  // namespace rebanto
