// The prepayment study of the comparison window with its default grid: a 3,000,000 yen
// budget in steps of 1,000,000 (four splits and the case without prepayment) across the
// short loan's rates from 2 % to 3 % by 0.5 %, for a long loan of 30,000,000 yen at
// 2.325 % over 35 years and a short loan of 5,000,000 yen at 2.0 % over 10 years, both
// month by month. Every split is a verification: two prepayments and a navigator replay.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_folder.h"
#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

class TwoLoans {
public:
    TwoLoans() {
        app_ = std::make_unique<App>(platform_, folder_.options);
        app_->start();
        run_loan("30000000", "2.325", "35");
        app_->cur.Button81.click();
        run_loan("5000000", "2.0", "10");
        app_->cur.Button85.click();
        app_->cur.Button6.click();
        TFormHi& hi = app_->compare;
        hi.Button9.click();
        hi.Button8.click();
        hi.Edit9.set_text("0");
    }
    ~TwoLoans() { app_.reset(); }
    TFormHi& window() { return app_->compare; }

private:
    void run_loan(const char* principal, const char* rate, const char* years) {
        TForm1& f = app_->main;
        f.Ed0_moto.set_text(principal);
        f.Ed0_kin.set_text(rate);
        f.Ed0_nen.set_text(years);
        f.Ed0_tuki.set_text("0");
        f.Ed0_wari.set_text("0");
        f.Ed1_mm5.set_text("1");
        f.Bt0_allClearClick(f.Bt0_allClear);
        f.Button18.click();
    }
    BenchFolder folder_{"rebanto-bench-study"};
    HeadlessPlatform platform_;
    std::unique_ptr<App> app_;
};

void BM_StudyDefaultGrid(benchmark::State& state) {
    TwoLoans loans;
    TFormHi& hi = loans.window();
    for (auto _ : state) {
        hi.Button6Click(hi.Button6);
    }
    if (hi.StGr5.row_count() != 6 || hi.StGr5.col_count() != 15)
        state.SkipWithError("the study did not fill its default grid");
    state.counters["rows"] = hi.StGr5.row_count();
    state.counters["columns"] = hi.StGr5.col_count();
}
BENCHMARK(BM_StudyDefaultGrid)->Unit(benchmark::kMillisecond);

// One verification in full mode, 2,000,000 yen at month 72: the unit the study repeats.
void BM_OneVerification(benchmark::State& state) {
    TwoLoans loans;
    TFormHi& hi = loans.window();
    hi.RadioButton2.click();
    for (auto _ : state) {
        hi.Button5Click(hi.Button5);
    }
    if (hi.StringGrid3.row_count() < 100) state.SkipWithError("the verification did not run");
}
BENCHMARK(BM_OneVerification)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
