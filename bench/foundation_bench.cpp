// The primitives every schedule run leans on: money text, memo formats, code page 932
// files and appending table rows. A 35-year loan writes 420 monthly rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "base/format.h"
#include "base/linefile.h"
#include "base/numtext.h"
#include "core/schedule_table.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {
namespace {

void BM_ParseAndFormatMoney(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < 420; ++i) {
            const Money m = to_money(std::to_string(24'000'000 - i * 47'123) + ".5");
            benchmark::DoNotOptimize(format_money(m, 13));
            benchmark::DoNotOptimize(general(m));
        }
    }
}
BENCHMARK(BM_ParseAndFormatMoney);

void BM_FixedFormats(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < 420; ++i) {
            benchmark::DoNotOptimize(format_fixed(2.325L + i * 0.001L, 7, 3));
            benchmark::DoNotOptimize(format_fixed(420 - i, 4, 0));
        }
    }
}
BENCHMARK(BM_FixedFormats);

std::vector<std::string> table_lines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 15 + 14 * 490; ++i)
        lines.push_back("T･6･6･64 均等返済額 " + std::to_string(i));
    return lines;
}

void BM_Cp932RoundTrip(benchmark::State& state) {
    const auto lines = table_lines();
    for (auto _ : state) {
        for (const auto& line : lines)
            benchmark::DoNotOptimize(cp932_to_utf8(utf8_to_cp932(line)));
    }
}
BENCHMARK(BM_Cp932RoundTrip);

void BM_WriteAndReadPackSizedFile(benchmark::State& state) {
    const auto lines = table_lines();
    const auto path = std::filesystem::temp_directory_path() / "rebanto_bench.mpc";
    for (auto _ : state) {
        write_lines(path, lines);
        benchmark::DoNotOptimize(read_lines(path));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndReadPackSizedFile);

void BM_AppendScheduleRows(benchmark::State& state) {
    class Tables : public Form {
    public:
        Tables() : Form("Tables", "") {}
        Grid table{*this, "StGr1", 2, kScheduleColumns, 1, 3};
    } form;
    int heard = 0;
    form.add_observer([&](Control*, Change, int, int) { ++heard; });
    for (auto _ : state) {
        reset_schedule_table(form.table, false, 6, 6);
        for (int m = 6; m <= 420; m += 6) {
            form.table.append_row({std::to_string(m), std::to_string(m / 12),
                                   std::to_string(m % 12), "24000000", "2.325", "420", "83900",
                                   std::to_string(m), "46500", "6", "278000", "225400", "23774600",
                                   ""});
        }
    }
    benchmark::DoNotOptimize(heard);
}
BENCHMARK(BM_AppendScheduleRows);

}  // namespace
}  // namespace rebanto
