// Batch tables on the headless models: the 35-year variable-rate monthly schedule (420
// one-month commits with list look-ups) and the 35-year corporation summary (50 steps in
// both parts, the bonus timing forced and restored).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_folder.h"
#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

void enter_typical_loan(TForm1& f, const char* rate, const char* bonus_share) {
    f.Ed0_moto.set_text("30000000");
    f.Ed0_kin.set_text(rate);
    f.Ed0_nen.set_text("35");
    f.Ed0_wari.set_text(bonus_share);
}

void BM_VariableRateMonthly35Years(benchmark::State& state) {
    BenchFolder folder{"rebanto-bench-schedules"};
    HeadlessPlatform platform;
    App app(platform, folder.options);
    app.start();
    TForm1& f = app.main;
    std::vector<std::string> list;
    for (int k = 0; k < 70; ++k)
        list.push_back(std::to_string(1.0 + 0.05 * k));
    f.Memo1.set_lines(list);
    enter_typical_loan(f, "2.80", "0");
    for (auto _ : state) {
        f.hendo_mon(f.Ed0_kin.text(), f.Ed0_nen.text(), f.Edit1.text());
    }
    state.counters["rows"] = app.cur.StGr1.row_count() - 2;
}
BENCHMARK(BM_VariableRateMonthly35Years)->Unit(benchmark::kMillisecond);

void BM_CorporationSummary35Years(benchmark::State& state) {
    BenchFolder folder{"rebanto-bench-schedules"};
    HeadlessPlatform platform;
    App app(platform, folder.options);
    app.start();
    TForm1& f = app.main;
    enter_typical_loan(f, "2.80", "20");
    for (auto _ : state) {
        f.Button12Click(f.Button12);
    }
    state.counters["rows"] = app.cur.StGr1.row_count() + app.cur.StGr2.row_count() - 4;
}
BENCHMARK(BM_CorporationSummary35Years)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
