// What-if tables on the headless models for a 35-year loan with a 20 % bonus share: the
// rate comparison (46 resets and whole-term steps) and the term comparison (50 terms of
// 1 to 50 years).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_folder.h"
#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

// The what-if tables are routines of the page "一括表".
template <void (BatchTablesPage::*Table)(Control&)>
void BM_WhatIf(benchmark::State& state) {
    BenchFolder folder{"rebanto-bench-what-if"};
    HeadlessPlatform platform;
    App app(platform, folder.options);
    app.start();
    TForm1& f = app.main;
    f.Ed0_moto.set_text("30000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Ed0_wari.set_text("20");
    if (state.range(0) == 1) f.RadioButton2.set_checked(true);
    for (auto _ : state) {
        (f.*Table)(f.Button10);
    }
    state.counters["rows"] = app.cur.StGr1.row_count() + app.cur.StGr2.row_count() - 4;
}
BENCHMARK_TEMPLATE(BM_WhatIf, &TForm1::Button10Click)
    ->ArgName("first_months")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_WhatIf, &TForm1::Button17Click)
    ->ArgName("first_months")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
