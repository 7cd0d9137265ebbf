// The calculators' searches on the headless models: each runs inside one handler, so its
// time is what a user waits before the window answers again.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

struct StartedApp {
    StartedApp() : app(platform, AppOptions{folder()}) { app.start(); }
    static std::filesystem::path folder() {
        const auto path = std::filesystem::temp_directory_path() / "rebanto-bench";
        std::filesystem::create_directories(path);
        return path;
    }
    HeadlessPlatform platform;
    App app;
};

// The start principal whose instalment is 70,000 yen at 2.325 % over 10 years.
void BM_PrincipalForA70000YenInstalment(benchmark::State& state) {
    StartedApp s;
    TForm1& f = s.app.main;
    f.Ed0_moto.set_text("10000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("10");
    f.Button93.click();
    f.RBut_mot.click();
    f.RBut_Km.click();
    f.Edit3.set_text("70000");
    for (auto _ : state) {
        state.PauseTiming();
        f.Ed0_moto.set_text("10000000");  // each search starts from the same loan
        state.ResumeTiming();
        f.Button73.click();
    }
    state.counters["principal"] = static_cast<double>(f.Ed0_moto.number());
}
BENCHMARK(BM_PrincipalForA70000YenInstalment)->Unit(benchmark::kMillisecond);

// The loan a rent of 123,000 yen carries with a 25 % expense share: the standard
// conditions, the panel, the reference values and the search.
void BM_RentOf123000LessAQuarter(benchmark::State& state) {
    StartedApp s;
    TForm1& f = s.app.main;
    TOKBotGenyachinDlg& rent = s.app.rent_dialog;
    rent.Edit1.set_text("123000");
    rent.Edit2.set_text("25");
    for (auto _ : state) {
        state.PauseTiming();
        f.Ed0_moto.set_text("30000000");
        f.Ed0_kin.set_text("2.325");
        f.Ed0_nen.set_text("20");
        state.ResumeTiming();
        rent.OKBtn.click();
    }
    state.counters["principal"] = static_cast<double>(f.Ed0_moto.number());
}
BENCHMARK(BM_RentOf123000LessAQuarter)->Unit(benchmark::kMillisecond);

// The down payment of a 35,000,000 yen sale over 35 years, instalment cut to 100 yen:
// two searches over the whole term, the zeroing trials and the run to the end.
void BM_DownPaymentOf35MillionSale(benchmark::State& state) {
    StartedApp s;
    TForm1& f = s.app.main;
    TForm6& dlg = s.app.down_payment;
    f.Ed0_moto.set_text("35000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Button136.click();
    dlg.RadioButton3.click();
    for (auto _ : state) {
        dlg.Button8.click();
    }
    state.counters["down_payment"] = static_cast<double>(dlg.Edit3.number());
}
BENCHMARK(BM_DownPaymentOf35MillionSale)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
