#pragma once
// The credit a borrower can actually use: the credit of a year comes off that year's income
// tax, what income tax cannot absorb comes off the resident tax up to the regime's yearly
// limit, and a year whose income is over the regime's limit has no credit at all.
#include <optional>
#include <string>
#include <vector>

#include "base/money.h"
#include "calculators/tax_credit.h"

namespace rebanto::tax_credit {

enum class FloorArea {
    From50,      // 50㎡以上
    From40To50,  // 40㎡以上50㎡未満
};

// The borrower's figures of a year; an absent figure sets no limit.
struct TaxOwed {
    std::optional<Money> income;        // 合計所得金額
    std::optional<Money> income_tax;    // 所得税額 before the credit
    std::optional<Money> resident_tax;  // 住民税 (所得割額) before the credit
    FloorArea floor = FloorArea::From50;
};

// What held the credit of a year below its maximum.
enum class CreditLimit {
    None,         // the whole maximum is used
    TaxOwed,      // the income tax and the resident tax left are smaller
    ResidentCap,  // the resident tax may take no more than the regime's yearly limit
    IncomeLimit,  // 合計所得金額 over the limit: no credit that year
    FloorArea,    // a 40-50 ㎡ home does not qualify under the regime
};

struct UsableCredit {
    Money from_income_tax;
    Money from_resident_tax;
    Money credit;  // the two together
    CreditLimit limit = CreditLimit::None;
};

// The credit of a year whose maximum (by balance and rates) is `maximum`.
UsableCredit usable_credit(Money maximum, const Requirements& requirements, const TaxOwed& owed);

// How the window names a limit ("住民税上限97,500円", "所得要件超過", ...).
std::string limit_caption(CreditLimit limit, const Requirements& requirements);

// The limits of years 1, 2, ... (empty: no credit that year) as runs of years:
// "1～3年目 住民税上限97,500円／4～13年目 満額".
std::string limits_by_year(const std::vector<std::string>& limits);

}  // namespace rebanto::tax_credit
