#include "core/schedule_table.h"

#include "base/field_at.h"

namespace rebanto {

std::vector<std::string> schedule_header(bool equal_principal) {
    return {"月回",
            "年",
            "月",
            "元金",
            "年金利",
            "支払回数",
            equal_principal ? "均等元金額 " : "均等返済額 ",
            "(通算回目",
            equal_principal ? "返済金額) " : "利息内訳) ",
            "1期回数",
            "利息小計",
            "元入小計",
            "新元金",
            ""};
}

std::string method_marker(bool equal_principal) {
    return equal_principal ? "**元金均等**" : "************";
}

std::string bonus_settings_string(int bonus_interval, int bonus_first_months,
                                  const std::string& version) {
    const std::string sep(kFieldSeparator);
    std::string text = "T" + sep + std::to_string(bonus_interval) + sep +
                       std::to_string(bonus_first_months) + sep + version;
    for (int i = 0; i < 27; ++i)
        text += sep;  // fields 4 to 30, empty
    return text;
}

void write_schedule_header(Grid& table, bool equal_principal) {
    if (table.row_count() < 1) table.set_row_count(1);
    table.set_row(0, schedule_header(equal_principal));
}

void reset_schedule_table(Grid& table, bool equal_principal, int bonus_interval,
                          int bonus_first_months) {
    table.set_row_count(kFirstDataRow);
    std::vector<std::string> settings(kScheduleColumns);
    settings[8] = method_marker(equal_principal);
    settings[13] = bonus_settings_string(bonus_interval, bonus_first_months);
    table.set_row(kSettingsRow, std::move(settings));
}

}  // namespace rebanto
