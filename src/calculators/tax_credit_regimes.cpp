// The credit regimes as data: a regime is one row of this list.
#include "calculators/tax_credit.h"

namespace rebanto::tax_credit {

namespace {

constexpr Money kFiftyMillion = Money::from_yen(50'000'000);

// 0.7 % of the year-end balance up to `cap_yen` for `years` years.
Regime flat(const char* caption, int years, long long cap_yen, const char* note) {
    return {caption, {{1, years, {".7", ".7", ".7", ".7"}}}, Money::from_yen(cap_yen), note};
}

}  // namespace

const std::vector<Regime>& classic_regimes() {
    static const std::vector<Regime> regimes = {
        {"8年",
         {{1, 2, {"1.5", "1", ".5", "0"}},
          {3, 3, {"1", "1", ".5", "0"}},
          {4, 6, {"1", "1", ".5", "0"}}},
         kFiftyMillion},
        {"9・10年",
         {{1, 2, {"2", "1", ".5", "0"}},
          {3, 3, {"2", "1", ".5", "0"}},
          {4, 6, {"1", "1", ".5", "0"}}},
         kFiftyMillion},
        {"11～13年6月",
         {{1, 2, {"1", "1", "1", "1"}},
          {3, 3, {"1", "1", "1", "1"}},
          {4, 6, {"1", "1", "1", "1"}},
          {7, 10, {".75", ".75", ".75", ".75"}},
          {11, 11, {".75", ".75", ".75", ".75"}},
          {12, 15, {".5", ".5", ".5", ".5"}}},
         kFiftyMillion},
        {"13年7月～15年末",
         {{1, 2, {"1", "1", "1", "1"}},
          {3, 3, {"1", "1", "1", "1"}},
          {4, 6, {"1", "1", "1", "1"}},
          {7, 10, {"1", "1", "1", "1"}}},
         kFiftyMillion},
        // Moving in during 2004 (平成16年): 1 % of up to 50,000,000 yen for 10 years.
        {"16年", {{1, 10, {"1", "1", "1", "1"}}}, kFiftyMillion},
    };
    return regimes;
}

// Moving in from 2022 (令和4年): 0.7 % for 13 years on new houses, 10 on existing ones, the
// balance capped by the kind of house; from 2024 lower caps, with the caps of households
// raising children or young couples kept at the 2022 level for 2024 and, by the 2025
// reform, for 2025 entrants too. Figures as the Ministry of Land, Infrastructure, Transport
// and Tourism published them with the 2022, 2024 and 2025 tax reforms
// (令和4年度・令和6年度・令和7年度住宅税制改正概要).
//
// Moving in from 2026 to 2030 (令和8年度税制改正): the caps of new houses stay, a new house
// meeting only the energy-saving standard is capped lower and counts only for 2026 and 2027
// entrants; existing certified, ZEH-level and energy-saving houses get 13 years and higher
// caps, and the child-rearing / young-couple uplift reaches them. Each row names the
// published figures it rests on.
const std::vector<Regime>& regimes_since_2022() {
    static const char* const k2022 = "令和4年度住宅税制改正";
    static const char* const k2024 = "令和6年度住宅税制改正";
    static const char* const k2025 = "令和7年度住宅税制改正 (子育て世帯等の上乗せをR7年入居に延長)";
    static const char* const k2026 = "令和8年度税制改正 (R8～12年入居)";
    static const std::vector<Regime> regimes = {
        flat("R4・5年入居 新築 認定住宅 13年", 13, 50'000'000, k2022),
        flat("R4・5年入居 新築 ZEH水準 13年", 13, 45'000'000, k2022),
        flat("R4・5年入居 新築 省エネ基準 13年", 13, 40'000'000, k2022),
        flat("R4・5年入居 新築 その他 13年", 13, 30'000'000, k2022),
        flat("R6・7年入居 新築 認定住宅 13年", 13, 45'000'000, k2022),
        flat("R6・7年入居 新築 認定住宅 子育て等 13年", 13, 50'000'000, k2025),
        flat("R6・7年入居 新築 ZEH水準 13年", 13, 35'000'000, k2022),
        flat("R6・7年入居 新築 ZEH水準 子育て等 13年", 13, 45'000'000, k2025),
        flat("R6・7年入居 新築 省エネ基準 13年", 13, 30'000'000, k2022),
        flat("R6・7年入居 新築 省エネ基準 子育て等 13年", 13, 40'000'000, k2025),
        flat("R6・7年入居 新築 その他(R5年末迄建築確認) 10年", 10, 20'000'000, k2022),
        flat("R4～7年入居 既存 認定・ZEH・省エネ 10年", 10, 30'000'000, k2022),
        flat("R4～7年入居 既存 その他 10年", 10, 20'000'000, k2022),
        // New certified house: 45,000,000 yen, 50,000,000 with the uplift.
        flat("R8～12年入居 新築 認定住宅 13年", 13, 45'000'000, k2026),
        flat("R8～12年入居 新築 認定住宅 子育て等 13年", 13, 50'000'000, k2026),
        // New ZEH-level house: 35,000,000 yen, 45,000,000 with the uplift.
        flat("R8～12年入居 新築 ZEH水準 13年", 13, 35'000'000, k2026),
        flat("R8～12年入居 新築 ZEH水準 子育て等 13年", 13, 45'000'000, k2026),
        // New house meeting the energy-saving standard, 2026 and 2027 entrants only:
        // 20,000,000 yen, 30,000,000 with the uplift.
        flat("R8・9年入居 新築 省エネ基準 13年", 13, 20'000'000, k2026),
        flat("R8・9年入居 新築 省エネ基準 子育て等 13年", 13, 30'000'000, k2026),
        // Existing certified or ZEH-level house: 35,000,000 yen, 45,000,000 with the
        // uplift, now 13 years.
        flat("R8～12年入居 既存 認定・ZEH 13年", 13, 35'000'000, k2026),
        flat("R8～12年入居 既存 認定・ZEH 子育て等 13年", 13, 45'000'000, k2026),
        // Existing house meeting the energy-saving standard: 20,000,000 yen, 30,000,000
        // with the uplift, 13 years.
        flat("R8～12年入居 既存 省エネ基準 13年", 13, 20'000'000, k2026),
        flat("R8～12年入居 既存 省エネ基準 子育て等 13年", 13, 30'000'000, k2026),
        // Any other existing house: 20,000,000 yen for 10 years, as before.
        flat("R8～12年入居 既存 その他 10年", 10, 20'000'000, k2026),
    };
    return regimes;
}

std::vector<std::string> later_regime_choices() {
    std::vector<std::string> choices{"－"};
    for (const Regime& regime : regimes_since_2022())
        choices.emplace_back(regime.caption);
    return choices;
}

std::array<std::string, 4> rates_of_year(const Regime& regime, int year) {
    for (const YearRates& span : regime.years) {
        if (year >= span.first_year && year <= span.last_year)
            return {span.rates[0], span.rates[1], span.rates[2], span.rates[3]};
    }
    return {"0", "0", "0", "0"};
}

}  // namespace rebanto::tax_credit
