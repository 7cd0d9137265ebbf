// The comparison window on the headless models: the difference table A − B of two 420-month
// memories (the typical loan, and the same loan with 2,000,000 yen prepaid in month 60 and
// its term shortened), and the CSV text of that difference.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_folder.h"
#include "forms/app.h"
#include "model/headless_platform.h"
#include "typical_loan.h"

namespace rebanto {
namespace {

// The application on a start folder of its own, with table A from memory 1 (the typical
// loan) and table B from memory 2 (prepaid and replayed), both with their bonus parts
// merged in.
class ComparedLoans {
public:
    ComparedLoans() {
        app_ = std::make_unique<App>(platform_, folder_.options);
        typical_loan_with_prepayment(*app_);
        TForCur& cur = app_->cur;
        // Memory 1 before the replay: only the navigator's copy holds the prepayment yet.
        cur.Button81.click();
        app_->navigator.Button8.click();
        cur.Button82.click();
        cur.Button6.click();
        TFormHi& hi = app_->compare;
        hi.CheckBox1.set_checked(true);
        hi.CheckBox3.set_checked(false);
        hi.CheckBox4.set_checked(false);
        hi.Button1.click();
        hi.Button2.click();
    }
    ~ComparedLoans() { app_.reset(); }
    App& app() { return *app_; }
    TFormHi& window() { return app_->compare; }

private:
    BenchFolder folder_{"rebanto-bench-comparison"};
    HeadlessPlatform platform_;
    std::unique_ptr<App> app_;
};

void BM_DifferenceOfTwo420MonthMemories(benchmark::State& state) {
    ComparedLoans loans;
    TFormHi& hi = loans.window();
    for (auto _ : state) {
        hi.Button3Click(hi.Button3);
    }
    state.counters["rows_a"] = hi.StringGrid1.row_count();
    state.counters["rows_b"] = hi.StringGrid2.row_count();
    state.counters["rows"] = hi.StringGrid3.row_count();
}
BENCHMARK(BM_DifferenceOfTwo420MonthMemories)->Unit(benchmark::kMillisecond);

void BM_CsvOfTheDifference(benchmark::State& state) {
    ComparedLoans loans;
    TFormHi& hi = loans.window();
    hi.Button3Click(hi.Button3);
    for (auto _ : state) {
        hi.CsvClick(hi.CSV3);
    }
    state.counters["lines"] = static_cast<double>(loans.app().main.RichEdit4.lines().size());
}
BENCHMARK(BM_CsvOfTheDifference)->Unit(benchmark::kMillisecond);

// Table A from one memory: the recall, the copy work with its fold through the navigator,
// the bonus merge and the running totals, for scale.
void BM_TableAFromOneMemory(benchmark::State& state) {
    ComparedLoans loans;
    TFormHi& hi = loans.window();
    for (auto _ : state) {
        hi.AddClick(hi.Button1);
    }
    state.counters["rows"] = hi.StringGrid1.row_count();
}
BENCHMARK(BM_TableAFromOneMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rebanto
