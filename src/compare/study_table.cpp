#include "compare/study_table.h"

#include <cmath>

#include "base/format.h"
#include "base/numtext.h"

namespace rebanto::comparison::study {

int groups_of(int column_count) {
    return column_count < kFirstGroupColumn ? 0 : (column_count - kFirstGroupColumn) / 3;
}

void amount_headers(std::string (&headers)[6]) {
    headers[kLongMonthly] = "1-月分繰上額";
    headers[kShortMonthly] = "5-月分繰上額";
    headers[2] = "";
    headers[kLongBonus] = "1-ボ分繰上額";
    headers[kShortBonus] = "5-ボ分繰上額";
    headers[5] = "";
}

std::string group_header(bool rate_mode, long double value) {
    return rate_mode ? "5-" + general(value) + "%" : "月回" + general(value);
}

long double bonus_step(const Budget& budget) {
    return int_part(budget.monthly_step * budget.bonus / budget.monthly + 0.0001L);
}

int group_count(long double last, long double base, long double step) {
    const long double groups = int_part((last - base) / step + 1);
    if (!std::isfinite(groups) || groups < 0) return 0;
    return groups > kMaxGroups + 1 ? kMaxGroups + 1 : static_cast<int>(groups);
}

SizeOrProblem size_of(const Budget& budget, long double last, long double base, long double step,
                      bool rate_mode) {
    if (!(budget.monthly_step > 0))
        return {std::nullopt, "「円刻み」には０より大きい金額を記入して下さい"};
    if (budget.monthly < 0 || budget.bonus < 0 || budget.bonus_step < 0)
        return {std::nullopt, "繰上金額と刻みには負の金額は使えません"};
    const long double rows = int_part(budget.monthly / budget.monthly_step + 2) + 1;
    if (!(rows <= kMaxRows))
        return {std::nullopt, "一覧表の行が多過ぎます（" + std::to_string(kMaxRows) +
                                  "行まで）。「繰上金額」か「円刻み」を見直して下さい"};
    const char* step_name = rate_mode ? "「％刻み」" : "「月刻み」";
    if (!(step > 0))
        return {std::nullopt, std::string(step_name) + "には０より大きい値を記入して下さい"};
    // trunc(((last − base) ÷ step + 1) × 3 + 6) columns.
    const long double columns = int_part(((last - base) / step + 1) * 3 + 6);
    if (!(columns >= kFirstGroupColumn + 3)) {
        return {std::nullopt,
                rate_mode ? "「％まで」が記憶５の当初金利より小さいので一覧表の列が作れません"
                          : "「月回まで」が繰上返済の月回より小さいので一覧表の列が作れません"};
    }
    if (!(columns <= kFirstGroupColumn + 3 * kMaxGroups))
        return {std::nullopt, "一覧表の列が多過ぎます（" + std::to_string(kMaxGroups) + "組まで）"};
    Size size;
    size.rows = static_cast<int>(rows);
    size.columns = static_cast<int>(columns);
    size.groups = groups_of(size.columns);
    return {size, {}};
}

Split split_of(const Budget& budget, int m) {
    Split s{};
    s.long_monthly = budget.monthly - budget.monthly_step * m;
    s.long_bonus = budget.bonus - budget.bonus_step * m;
    s.short_monthly = budget.monthly - s.long_monthly;
    s.short_bonus = budget.bonus - s.long_bonus;
    return s;
}

std::string seconds_text(long double ms) {
    return format_fixed(ms / 1000, 0, 2) + "秒";
}

TimeTexts time_texts(std::int64_t elapsed_ms, int items_done, int groups, int rows) {
    const long double per_item =
        items_done > 0 ? static_cast<long double>(elapsed_ms) / items_done : 0;
    return {"経過=" + seconds_text(elapsed_ms), "時間/回=" + seconds_text(per_item),
            "処理予想時間=" + seconds_text(per_item * groups * (rows - 2))};
}

}  // namespace rebanto::comparison::study
