// Charting the typical loan's 420 months and its totals row: from the click on "グラフ"
// until the chart is painted at its window's size, in 3-D (the view at start), flat, and
// a page of 60 points; with every window's view alive (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <filesystem>

#include "forms/app.h"
#include "ui/app_look.h"
#include "ui/app_views.h"
#include "ui/chart_widget.h"
#include "ui/chart_window_view.h"
#include "ui/qt_platform.h"
#include "ui/view_refresh.h"

namespace rebanto {
namespace {

void typical_loan_in_months(App& app) {
    app.start();
    TForm1& f = app.main;
    f.Ed0_moto.set_text("30000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Ed0_wari.set_text("20");
    f.Ed1_mm5.set_text("1");
    f.Button18.click();
}

// `prepare` sets the view on the chart window before the runs.
template <class Prepare>
void chart_and_paint(benchmark::State& state, Prepare prepare) {
    const auto folder = std::filesystem::temp_directory_path() / "rebanto-chart-bench";
    std::filesystem::create_directories(folder);
    ui::QtPlatform platform(folder);
    App app(platform, AppOptions{folder});
    ui::AppViews views(app);
    typical_loan_in_months(app);
    TForm5& window = app.cur_chart;
    app.main.Button112.click();
    prepare(window);
    ui::ViewRefresh::flush_all();
    QApplication::processEvents();
    ui::ChartWidget& chart = static_cast<ui::ChartWindowView*>(views.window(window))->chart();
    QImage screen(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        app.main.Button112.click();
        ui::ViewRefresh::flush_all();
        chart.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["points"] = window.Chart1.model.point_count();
    state.counters["shown"] = window.Chart1.model.shown_points().count();
}

void BM_ChartOf420MonthsIn3D(benchmark::State& state) {
    chart_and_paint(state, [](TForm5&) {});
}
BENCHMARK(BM_ChartOf420MonthsIn3D)->Unit(benchmark::kMillisecond);

void BM_ChartOf420MonthsFlat(benchmark::State& state) {
    chart_and_paint(state, [](TForm5& window) { window.Button6.click(); });
}
BENCHMARK(BM_ChartOf420MonthsFlat)->Unit(benchmark::kMillisecond);

void BM_ChartOf420MonthsAPageOf60(benchmark::State& state) {
    chart_and_paint(state, [](TForm5& window) { window.Button7.click(); });
}
BENCHMARK(BM_ChartOf420MonthsAPageOf60)->Unit(benchmark::kMillisecond);

// The fill alone, without painting: the table read into the four series.
void BM_ChartFillOf420Months(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "rebanto-chart-bench";
    std::filesystem::create_directories(folder);
    ui::QtPlatform platform(folder);
    App app(platform, AppOptions{folder});
    typical_loan_in_months(app);
    for (auto _ : state)
        app.main.Button112.click();
    state.counters["points"] = app.cur_chart.Chart1.model.point_count();
}
BENCHMARK(BM_ChartFillOf420Months)->Unit(benchmark::kMicrosecond);

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
