// The navigator's replay with every window's view alive (offscreen): from the click on
// "両表最終" until the rebuilt rows are on screen, with the progress repaints on the way.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "forms/app.h"
#include "typical_loan.h"
#include "ui/app_look.h"
#include "ui/app_views.h"
#include "ui/qt_platform.h"
#include "ui/view_refresh.h"

namespace rebanto {
namespace {

void BM_NavigatorReplayInTheWindows(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "rebanto-gui-bench";
    std::filesystem::create_directories(folder);
    ui::QtPlatform platform(folder);
    App app(platform, AppOptions{folder});
    ui::AppViews views(app);
    typical_loan_with_prepayment(app);
    TForm4& n = app.navigator;
    ui::ViewRefresh::flush_all();
    QApplication::processEvents();
    for (auto _ : state) {
        n.Button9.click();
        ui::ViewRefresh::flush_all();
        QApplication::processEvents();
    }
    state.counters["rows"] = app.cur.StGr1.row_count() + app.cur.StGr2.row_count() - 4;
}
BENCHMARK(BM_NavigatorReplayInTheWindows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt_app(argc, argv);
    rebanto::ui::apply_app_look(qt_app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
