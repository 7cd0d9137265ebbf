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

namespace rebanto {
namespace {

// The typical loan run to the end with one-month steps, built again before each action.
struct TypicalLoan {
    HeadlessPlatform platform;
    App app{platform, AppOptions{std::filesystem::temp_directory_path() / "rebanto-bench"}};

    TypicalLoan() {
        std::filesystem::create_directories(app.start_folder());
        app.start();
        TForm1& f = app.main;
        f.Ed0_moto.set_text("30000000");
        f.Ed0_kin.set_text("2.325");
        f.Ed0_nen.set_text("35");
        f.Ed0_wari.set_text("20");
        f.Ed1_mm5.set_text("1");
    }
    void rebuild() {
        app.main.Bt0_allClearClick(app.main.Bt0_allClear);
        app.main.Button18.click();
    }
};

// "金利変更一括": 3.0 % after month 60, the instalments kept (both tables replayed) or
// recomputed (replay to month 60, the rest computed at the new rate).
void rate_change(benchmark::State& state, bool keep) {
    TypicalLoan loan;
    TOKBotKinriDlg& dialog = loan.app.rate_change_dialog;
    for (auto _ : state) {
        state.PauseTiming();
        loan.rebuild();
        dialog.Edit1.set_text("60");
        dialog.Edit2.set_text("3.0");
        dialog.CheckBox2.set_checked(keep);
        state.ResumeTiming();
        dialog.OKBtn.click();
    }
}
void BM_RateChangeInstalmentKept(benchmark::State& state) {
    rate_change(state, true);
}
BENCHMARK(BM_RateChangeInstalmentKept)->Unit(benchmark::kMillisecond);
void BM_RateChangeInstalmentRecomputed(benchmark::State& state) {
    rate_change(state, false);
}
BENCHMARK(BM_RateChangeInstalmentRecomputed)->Unit(benchmark::kMillisecond);

// "繰上返済の追加と削除": 1,000,000 yen on each side at month 72, added.
void BM_PrepaymentAddedBothSides(benchmark::State& state) {
    TypicalLoan loan;
    TOKBotKuriageDlg& dialog = loan.app.prepayment_dialog;
    for (auto _ : state) {
        state.PauseTiming();
        loan.rebuild();
        dialog.Edit1.set_text("72");
        dialog.Edit2.set_text("1000000");
        dialog.Edit3.set_text("1000000");
        state.ResumeTiming();
        dialog.OKBtn.click();
    }
}
BENCHMARK(BM_PrepaymentAddedBothSides)->Unit(benchmark::kMillisecond);

// "一括補正ＧＯ" after a monthly rate change at month 64 and a bonus one at month 66.
void BM_BonusCorrectionGo(benchmark::State& state) {
    TypicalLoan loan;
    TForm4& n = loan.app.navigator;
    for (auto _ : state) {
        state.PauseTiming();
        loan.rebuild();
        n.open_from_current_tables();
        n.StringGrid1.click_cell(65, 0);  // month 64
        n.Edit1.set_text("3.0");
        n.Button11.click();
        n.RadioButton2.click();
        n.StringGrid2.click_cell(12, 0);  // month 66
        n.Edit1.set_text("3.0");
        n.Button11.click();
        n.Button9.click();
        state.ResumeTiming();
        loan.app.bonus_correction.OKBtn.click();
    }
}
BENCHMARK(BM_BonusCorrectionGo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
