#include "tables/bonus_settings.h"

#include <optional>

#include "base/field_at.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"

namespace rebanto {

void apply_pack_bonus_settings(App& app, const std::string& stored) {
    const std::string settings = stored == "-" ? kSixMonthBonusSettings : stored;
    app.cur.StGr2.set_cell(kSettingsRow, schedule_col::kBonusSettings, settings);
    if (settings == "T" || settings.empty()) return;
    const std::string first = field_at(settings, 2);
    const std::string version = field_at(settings, 3);
    app.second_repayment.apply_timing(
        field_at(settings, 1), first.empty() ? std::nullopt : std::optional<int>(to_count(first)),
        version.empty() ? "64" : version);
}

}  // namespace rebanto
