#pragma once
// The bonus settings a pack keeps: the settings string of the bonus table's settings row,
// whose fields 1 and 2 are the interval and the months before the first bonus instalment.
#include <string>

namespace rebanto {

class App;

// What a pack stored without bonus settings stands for: a six-month interval.
inline constexpr const char* kSixMonthBonusSettings = "T･6･6･64･･･････････････････････････";

// Writes the string ("-" for the six-month default) into the bonus settings row and
// applies its timing through the second-repayment setting; "T" or empty apply nothing.
void apply_pack_bonus_settings(App& app, const std::string& stored);

}  // namespace rebanto
