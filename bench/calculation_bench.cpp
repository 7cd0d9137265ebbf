// The typical loan run to the end on the headless models: 30,000,000 yen at 2.325 % over
// 35 years with a 20 % bonus share, committed step by step with memo lines and rows.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

void run_to_the_end(benchmark::State& state, const char* step_months) {
    HeadlessPlatform platform;
    const auto folder = std::filesystem::temp_directory_path() / "rebanto-bench";
    std::filesystem::create_directories(folder);
    App app(platform, AppOptions{folder});
    app.start();
    TForm1& f = app.main;
    f.Ed0_moto.set_text("30000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Ed0_wari.set_text("20");
    f.Ed1_mm5.set_text(step_months);
    for (auto _ : state) {
        state.PauseTiming();
        f.Bt0_allClearClick(f.Bt0_allClear);  // start each run from empty memos and tables
        state.ResumeTiming();
        f.Button18.click();
    }
    state.counters["rows"] = app.cur.StGr1.row_count() + app.cur.StGr2.row_count() - 4;
}

void BM_TypicalRunOneMonthSteps(benchmark::State& state) {
    run_to_the_end(state, "1");
}
BENCHMARK(BM_TypicalRunOneMonthSteps)->Unit(benchmark::kMillisecond);

void BM_TypicalRunSixMonthSteps(benchmark::State& state) {
    run_to_the_end(state, "6");
}
BENCHMARK(BM_TypicalRunSixMonthSteps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
