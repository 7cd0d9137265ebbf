// Navigator replays of the typical loan built with one-month steps (420 monthly and 70
// bonus rows) with a prepayment of 2,000,000 yen after month 60, headless.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "forms/app.h"
#include "model/headless_platform.h"
#include "typical_loan.h"

namespace rebanto {
namespace {

struct TypicalLoanWithPrepayment {
    HeadlessPlatform platform;
    App app{platform, AppOptions{std::filesystem::temp_directory_path() / "rebanto-bench"}};

    TypicalLoanWithPrepayment() {
        std::filesystem::create_directories(app.start_folder());
        typical_loan_with_prepayment(app);
    }
};

// "両表最終": both tables rebuilt to their last rows.
void BM_NavigatorReplayBothTables(benchmark::State& state) {
    TypicalLoanWithPrepayment loan;
    for (auto _ : state)
        loan.app.navigator.Button9.click();
    state.counters["rows"] = loan.app.cur.StGr1.row_count() + loan.app.cur.StGr2.row_count() - 4;
}
BENCHMARK(BM_NavigatorReplayBothTables)->Unit(benchmark::kMillisecond);

// "最終行迄一気" on the monthly table alone.
void BM_NavigatorReplayMonthlyTable(benchmark::State& state) {
    TypicalLoanWithPrepayment loan;
    for (auto _ : state)
        loan.app.navigator.Button8.click();
    state.counters["rows"] = loan.app.cur.StGr1.row_count() - 2;
}
BENCHMARK(BM_NavigatorReplayMonthlyTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
