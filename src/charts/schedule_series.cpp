#include "charts/schedule_series.h"

#include <cstdint>

#include "base/field_at.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"

namespace rebanto {

namespace {

constexpr int kFirstRow = 2;
constexpr int kInterestColumn = 10;
constexpr int kPrincipalColumn = 11;
constexpr int kNewPrincipalColumn = 12;
constexpr int kRemarkColumn = 13;
constexpr int kBarOffset = -35;

// Series in the order they are drawn and listed.
enum Series { kNewPrincipal, kPrincipal, kInterestSum, kInterest, kSeriesCount };

std::int64_t whole_yen(const Grid& table, int row, int col) {
    const std::string& text = table.cell(row, col);
    try {
        return to_int(text);
    } catch (const ConversionError&) {
        throw ChartCellError(table, row, col, text, "は円単位の整数ではありません");
    }
}

}  // namespace

ChartCellError::ChartCellError(const Grid& table, int row, int col, const std::string& text,
                               const std::string& reason)
    : ConversionError(text),
      message_(table.name() + " " + std::to_string(row) + "行" + std::to_string(col) + "列の「" +
               text + "」" + reason + "。グラフはこの行の手前までです") {}

ChartData schedule_chart_frame(Rgb gradient_end) {
    ChartData data;
    data.axis_title = "金額";
    data.foot = "月回";
    data.gradient_end = gradient_end;
    data.series.resize(kSeriesCount);
    data.series[kNewPrincipal] = {"新元金", SeriesKind::StackedBar, {0x00, 0xFF, 0xFF}, 0, {}};
    data.series[kPrincipal] = {
        "元入小計", SeriesKind::StackedBar, {0x00, 0xFF, 0x00}, kBarOffset, {}};
    data.series[kInterestSum] = {"利息累計", SeriesKind::Line, {0xFF, 0x00, 0x00}, 0, {}};
    data.series[kInterest] = {
        "利息小計", SeriesKind::StackedBar, {0xFF, 0x00, 0x00}, kBarOffset, {}};
    return data;
}

void add_schedule_rows(const Grid& table, ChartedTable kind, ChartData& data) {
    if (data.series.size() != kSeriesCount) data = schedule_chart_frame(data.gradient_end);
    std::int64_t interest_sum = 0;
    for (int r = kFirstRow; r < table.row_count(); ++r) {
        const std::string& remark = table.cell(r, kRemarkColumn);
        if (kind == ChartedTable::Composite && field_at(remark, 0) == "T") continue;
        // Every cell of the row is read before any point is added, so a row is charted
        // whole or not at all.
        const std::int64_t interest = whole_yen(table, r, kInterestColumn);
        const std::int64_t principal = whole_yen(table, r, kPrincipalColumn);
        const std::int64_t new_principal = whole_yen(table, r, kNewPrincipalColumn);
        std::int64_t sum = interest_sum;
        if (remark != "K" && __builtin_add_overflow(interest_sum, interest, &sum)) {
            throw ChartCellError(table, r, kInterestColumn, table.cell(r, kInterestColumn),
                                 "を加えると利息累計が扱える範囲を超えます");
        }
        interest_sum = sum;
        data.labels.push_back(table.cell(r, schedule_col::kMonth));
        data.series[kNewPrincipal].values.emplace_back(static_cast<double>(new_principal));
        data.series[kPrincipal].values.emplace_back(static_cast<double>(principal));
        data.series[kInterestSum].values.emplace_back(static_cast<double>(interest_sum));
        data.series[kInterest].values.emplace_back(static_cast<double>(interest));
    }
}

}  // namespace rebanto
