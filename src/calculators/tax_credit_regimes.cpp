// The credit regimes as data: a regime is one row of this list.
#include "calculators/tax_credit.h"

namespace rebanto::tax_credit {

namespace {

constexpr Money kFiftyMillion = Money::from_yen(50'000'000);

// Who may take the credit.
//
// Income: 合計所得金額 at most 30,000,000 yen for entrants up to 2021, 20,000,000 from 2022
// (limo.media/articles/-/27563, j-selection.co.jp/blog/?p=275890 for the older limit;
// ichidai-k.co.jp/?p=2501, daikyo-home.jp "住宅ローン減税 ～2026年度税制改正～" for 2022 on).
// Homes of 40 ㎡ to under 50 ㎡ qualify from 2022 only in the years the income is at most
// 10,000,000 yen: new homes for 2022-2025 entrants, every kind from 2026 except with the
// child-rearing uplift, which is chosen instead of it (limo.media/articles/-/27563,
// city.minato.tokyo.jp 住宅借入金等特別税額控除; daikyo-home.jp as above,
// yamada-partners.jp 令和8年度税制改正解説 k02). Before 2022 the floor had to be 50 ㎡.
//
// Resident tax: what income tax cannot absorb comes off the next year's resident tax, at
// most 5 % of the taxable income and 97,500 yen, for entrants from 2022 (city.onomichi
// 住宅ローン控除, yamada-partners.jp as above: "最大9.75万円"). Entrants of 1999-2006 got a
// resident-tax credit from 2008 (税源移譲) and were taken into the 5 % / 97,500-yen credit
// from the 2010 tax year (pref.gunma.jp/04/a4310079.html, town.watari.miyagi.jp); entrants
// up to 1998 had finished their years before any resident-tax credit existed.
constexpr Money kResidentCap = Money::from_yen(97'500);
constexpr Requirements kUpTo1998 = {Money::from_yen(30'000'000), Money(), Money()};
constexpr Requirements kFrom1999 = {Money::from_yen(30'000'000), Money(), kResidentCap};
constexpr Requirements kFrom2022 = {Money::from_yen(20'000'000), Money::from_yen(10'000'000),
                                    kResidentCap};
constexpr Requirements kFrom2022NoSmallHomes = {Money::from_yen(20'000'000), Money(), kResidentCap};

// 0.7 % of the year-end balance up to `cap_yen` for `years` years.
Regime flat(const char* caption, int years, long long cap_yen, const char* note,
            const Requirements& requirements = kFrom2022) {
    return {caption,
            {{1, years, {".7", ".7", ".7", ".7"}}},
            Money::from_yen(cap_yen),
            note,
            requirements};
}

}  // namespace

const std::vector<Regime>& classic_regimes() {
    static const std::vector<Regime> regimes = {
        {"8年",
         {{1, 2, {"1.5", "1", ".5", "0"}},
          {3, 3, {"1", "1", ".5", "0"}},
          {4, 6, {"1", "1", ".5", "0"}}},
         kFiftyMillion,
         "",
         kUpTo1998},
        {"9・10年",
         {{1, 2, {"2", "1", ".5", "0"}},
          {3, 3, {"2", "1", ".5", "0"}},
          {4, 6, {"1", "1", ".5", "0"}}},
         kFiftyMillion,
         "",
         kUpTo1998},
        {"11～13年6月",
         {{1, 2, {"1", "1", "1", "1"}},
          {3, 3, {"1", "1", "1", "1"}},
          {4, 6, {"1", "1", "1", "1"}},
          {7, 10, {".75", ".75", ".75", ".75"}},
          {11, 11, {".75", ".75", ".75", ".75"}},
          {12, 15, {".5", ".5", ".5", ".5"}}},
         kFiftyMillion,
         "",
         kFrom1999},
        {"13年7月～15年末",
         {{1, 2, {"1", "1", "1", "1"}},
          {3, 3, {"1", "1", "1", "1"}},
          {4, 6, {"1", "1", "1", "1"}},
          {7, 10, {"1", "1", "1", "1"}}},
         kFiftyMillion,
         "",
         kFrom1999},
        // Moving in during 2004 (平成16年): 1 % of up to 50,000,000 yen for 10 years.
        {"16年", {{1, 10, {"1", "1", "1", "1"}}}, kFiftyMillion, "", kFrom1999},
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
        flat("R4～7年入居 既存 認定・ZEH・省エネ 10年", 10, 30'000'000, k2022,
             kFrom2022NoSmallHomes),
        flat("R4～7年入居 既存 その他 10年", 10, 20'000'000, k2022, kFrom2022NoSmallHomes),
        // New certified house: 45,000,000 yen, 50,000,000 with the uplift.
        flat("R8～12年入居 新築 認定住宅 13年", 13, 45'000'000, k2026),
        flat("R8～12年入居 新築 認定住宅 子育て等 13年", 13, 50'000'000, k2026,
             kFrom2022NoSmallHomes),
        // New ZEH-level house: 35,000,000 yen, 45,000,000 with the uplift.
        flat("R8～12年入居 新築 ZEH水準 13年", 13, 35'000'000, k2026),
        flat("R8～12年入居 新築 ZEH水準 子育て等 13年", 13, 45'000'000, k2026,
             kFrom2022NoSmallHomes),
        // New house meeting the energy-saving standard, 2026 and 2027 entrants only:
        // 20,000,000 yen, 30,000,000 with the uplift.
        flat("R8・9年入居 新築 省エネ基準 13年", 13, 20'000'000, k2026),
        flat("R8・9年入居 新築 省エネ基準 子育て等 13年", 13, 30'000'000, k2026,
             kFrom2022NoSmallHomes),
        // Existing certified or ZEH-level house: 35,000,000 yen, 45,000,000 with the
        // uplift, now 13 years.
        flat("R8～12年入居 既存 認定・ZEH 13年", 13, 35'000'000, k2026),
        flat("R8～12年入居 既存 認定・ZEH 子育て等 13年", 13, 45'000'000, k2026,
             kFrom2022NoSmallHomes),
        // Existing house meeting the energy-saving standard: 20,000,000 yen, 30,000,000
        // with the uplift, 13 years.
        flat("R8～12年入居 既存 省エネ基準 13年", 13, 20'000'000, k2026),
        flat("R8～12年入居 既存 省エネ基準 子育て等 13年", 13, 30'000'000, k2026,
             kFrom2022NoSmallHomes),
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
