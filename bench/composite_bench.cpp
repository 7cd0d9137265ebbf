// The composite tables and the packs on the headless models: "全パック一括計算" over ten
// 35-year packs built with one-month steps, and one 420-row loan merged into a composite
// that already holds nine.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_folder.h"
#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

void enter_loan(TForm1& f, const std::string& principal) {
    f.Ed0_moto.set_text(principal);
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Ed0_tuki.set_text("0");
    f.Ed0_wari.set_text("20");
    f.MsEd8_yusi.set_text("2001/05/21");
    f.MsEd8_mon.set_text("2001/06/20");
    f.MsEd8_bon.set_text("2001/07/20");
}

// Ten fixed-rate packs: "一括計算ＧＯ" builds each one month at a time (420 monthly and 70
// bonus rows), corrects it, and the run merges them all.
void BM_AllPacksTenLoans35Years(benchmark::State& state) {
    BenchFolder folder{"rebanto-bench-composite"};
    HeadlessPlatform platform;
    App app(platform, folder.options);
    app.start();
    TForm1& f = app.main;
    for (int s = 1; s <= 10; ++s) {
        enter_loan(f, std::to_string(10'000'000 + 1'000'000 * s));
        f.select_slot(s);
        f.Edit67.set_text("pack" + std::to_string(s));
        f.Button78Click(f.Button78);
    }
    for (auto _ : state) {
        f.Button82Click(f.Button82);
    }
    state.counters["rows"] = f.StringGrid3.row_count();
    state.counters["components"] = f.CompositeCountM;
}
BENCHMARK(BM_AllPacksTenLoans35Years)->Unit(benchmark::kMillisecond);

// The typical loan month by month, merged into a composite of nine such loans: every
// month matched, the texts of nine components joined.
void BM_MergeIntoNineComponents(benchmark::State& state) {
    BenchFolder folder{"rebanto-bench-composite"};
    HeadlessPlatform platform;
    App app(platform, folder.options);
    app.start();
    TForm1& f = app.main;
    enter_loan(f, "30000000");
    f.Button68Click(f.Button68);
    f.TabSheet7.hover();
    f.copy_into_composite(false);
    for (int i = 0; i < 8; ++i)
        f.merge_into_composite(false);
    std::vector<std::vector<std::string>> nine;
    for (int r = 0; r < f.StringGrid3.row_count(); ++r)
        nine.push_back(f.StringGrid3.row_cells(r));
    for (auto _ : state) {
        state.PauseTiming();
        f.StringGrid3.assign_rows(nine);
        f.CompositeCountM = 9;
        state.ResumeTiming();
        f.merge_into_composite(false);
    }
    state.counters["rows"] = app.cur.StGr1.row_count() - 2;
    state.counters["components"] = f.CompositeCountM;
}
BENCHMARK(BM_MergeIntoNineComponents)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
