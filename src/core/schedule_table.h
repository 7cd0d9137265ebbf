#pragma once
// The layout shared by every schedule grid: 14 text columns, row 0 the header, row 1 the
// settings row, data rows after them.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto {

inline constexpr int kScheduleColumns = 14;
inline constexpr int kSettingsRow = 1;
inline constexpr int kFirstDataRow = 2;

// The header row for equal instalments (false) or equal principal (true).
std::vector<std::string> schedule_header(bool equal_principal);
// Column 8 of the settings row: the repayment-method marker.
std::string method_marker(bool equal_principal);
// Column 13 of the settings row: "T･interval･first･version" and 27 further separators;
// the file version is "64".
std::string bonus_settings_string(int bonus_interval, int bonus_first_months,
                                  const std::string& version = "64");

// Writes the header row (row 0) for the method.
void write_schedule_header(Grid& table, bool equal_principal);
// Leaves rows 0 and 1 only, with a cleared settings row carrying the method marker and
// the bonus settings.
void reset_schedule_table(Grid& table, bool equal_principal, int bonus_interval,
                          int bonus_first_months);

}  // namespace rebanto
