// Re-deriving the table state from the settings rows after tables were recalled or
// read: whether the first payment is corrected, and the second-repayment timing.
#include "base/field_at.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "dates/date_columns.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CompositePage::Button26Click(Control&) {
    const Grid& monthly = app().cur.StGr1;
    const Grid& bonus = app().cur.StGr2;
    const std::string& m = monthly.cell(kSettingsRow, schedule_col::kBonusSettings);
    const std::string& b = bonus.cell(kSettingsRow, schedule_col::kBonusSettings);
    std::string version = field_at(m, 3);
    if (field_at(m, 2).empty() || field_at(b, 2).empty()) version = "47";

    const std::string& correction =
        (ButtonM.enabled() ? bonus : monthly).cell(kSettingsRow, date_col::kCorrectionMarker);
    main_.CheckBox2.set_checked(correction.empty() ||
                                correction.find("無補正") != std::string::npos);

    const std::string& timing = ButtonB.enabled() ? b : m;
    if (timing == "T" || timing.empty()) return;
    const std::string first = field_at(timing, 2);
    app().second_repayment.apply_timing(
        field_at(timing, 1), first.empty() ? std::nullopt : std::optional<int>(to_count(first)),
        version);
}

}  // namespace rebanto
