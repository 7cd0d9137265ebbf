// The main window with every window's view alive (offscreen): "最後まで" of the typical loan
// from the click until the memos and the current tables are painted, and a keystroke in the
// principal field until the recomputed instalments are painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "forms/app.h"
#include "typical_loan.h"
#include "ui/app_views.h"
#include "ui/qt_platform.h"
#include "ui/view_refresh.h"

namespace rebanto {
namespace {

void painted() {
    ui::ViewRefresh::flush_all();
    QApplication::processEvents();
}

class TypicalLoanInTheWindows {
public:
    TypicalLoanInTheWindows()
        : platform_(folder()), app_(platform_, AppOptions{folder()}), views_(app_) {
        app_.start();
        typical_loan_inputs(app_.main);
        painted();
    }
    TForm1& main() { return app_.main; }
    App& app() { return app_; }

private:
    static std::filesystem::path folder() {
        const auto path = std::filesystem::temp_directory_path() / "rebanto-gui-bench";
        std::filesystem::create_directories(path);
        return path;
    }
    ui::QtPlatform platform_;
    App app_;
    ui::AppViews views_;
};

// 35 years in one-month steps with a 20 % bonus share: 420 monthly and 70 bonus rows.
void BM_RunToTheEndInTheWindows(benchmark::State& state) {
    TypicalLoanInTheWindows loan;
    TForm1& f = loan.main();
    for (auto _ : state) {
        f.Bt0_allClearClick(f.Bt0_allClear);
        f.Button18.click();
        painted();
    }
    const int rows = loan.app().cur.StGr1.row_count() + loan.app().cur.StGr2.row_count() - 4;
    if (rows < 490) state.SkipWithError("the run did not reach the end of the loan");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_RunToTheEndInTheWindows)->Unit(benchmark::kMillisecond);

// One keystroke in a field of the loan: its last digit typed back and forth, the
// instalments recomputed and painted each time.
void keystrokes(benchmark::State& state, Edit TForm1::*field, const char* one, const char* other) {
    TypicalLoanInTheWindows loan;
    TForm1& f = loan.main();
    bool flip = false;
    for (auto _ : state) {
        (f.*field).set_text(flip ? other : one);
        flip = !flip;
        painted();
    }
    if (f.Edit4.text().empty()) state.SkipWithError("no instalment was computed");
}

void BM_KeystrokeInThePrincipal(benchmark::State& state) {
    keystrokes(state, &TForm1::Ed0_moto, "30000000", "30000001");
}
BENCHMARK(BM_KeystrokeInThePrincipal)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeInTheRate(benchmark::State& state) {
    keystrokes(state, &TForm1::Ed0_kin, "2.325", "2.3251");
}
BENCHMARK(BM_KeystrokeInTheRate)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rebanto
