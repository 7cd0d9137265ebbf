#include "navigator/replay_parts.h"

#include "base/errors.h"
#include "base/field_at.h"
#include "base/numtext.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {

BonusTiming table_bonus_timing(const Grid& bonus_table) {
    if (bonus_table.row_count() < 2) return {};
    const std::string& flag = bonus_table.cell(1, kFlag);
    BonusTiming timing{field_at(flag, 1), field_at(flag, 2)};
    if (timing.interval.rfind("年金", 0) == 0) timing.interval = "6";
    return timing;
}

std::optional<std::string> bonus_timing_question(const BonusTiming& table, int main_interval,
                                                 int main_first) {
    const std::string interval = std::to_string(main_interval);
    const std::string first = std::to_string(main_first);
    const bool interval_differs = !table.interval.empty() && table.interval != interval;
    const bool first_differs = !table.first.empty() && table.first != first;
    if (!interval_differs && !first_differs) return std::nullopt;
    return "ボーナス(第2返済)関係の設定［間隔" + table.interval + "ヶ月　/第1回" + table.first +
           "ヶ月］が　本体の設定［間隔" + interval + "ヶ月　/第1回" + first +
           "ヶ月］と異なります。　　本体の設定で処理しますか。　　本体設定で処理ならYES、本体設定を"
           "変更して元のままでならNO";
}

void shift_month_numbers(Grid& current, long long first_month) {
    if (current.row_count() <= kFirstDataRow) return;
    const long long shift = first_month - to_int(current.cell(kFirstDataRow, kMonth));
    for (int r = kFirstDataRow; r < current.row_count(); ++r) {
        if (is_totals_row(current, r) || is_prepayment_row(current, r)) {
            // Their month moves with the rows around them; "経"/"内" stay in place of the years.
            try {
                const long long month = to_int(current.cell(r, kMonth)) + shift;
                if (month > 0) current.set_cell(r, kMonth, std::to_string(month));
            } catch (const ConversionError&) {
            }
            continue;
        }
        const long long month = to_int(current.cell(r, kMonth)) + shift;
        if (month <= 0) return;
        current.set_cell(r, kMonth, std::to_string(month));
        current.set_cell(r, kYears, std::to_string(month / 12));
        current.set_cell(r, 2, std::to_string(month % 12));
    }
}

std::string less_difference(const std::string& instalment, Money difference) {
    return general(to_money(instalment) - difference);
}

}  // namespace rebanto::navigator
