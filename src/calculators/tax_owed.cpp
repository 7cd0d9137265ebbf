#include "calculators/tax_owed.h"

#include <algorithm>

#include "base/format.h"

namespace rebanto::tax_credit {

namespace {

bool qualifies(const Requirements& requirements, const TaxOwed& owed, CreditLimit& why_not) {
    const bool small = owed.floor == FloorArea::From40To50;
    if (small && requirements.small_home_income_limit == Money()) {
        why_not = CreditLimit::FloorArea;
        return false;
    }
    const Money limit = small ? requirements.small_home_income_limit : requirements.income_limit;
    if (owed.income && *owed.income > limit) {
        why_not = CreditLimit::IncomeLimit;
        return false;
    }
    return true;
}

}  // namespace

UsableCredit usable_credit(Money maximum, const Requirements& requirements, const TaxOwed& owed) {
    UsableCredit usable;
    if (!qualifies(requirements, owed, usable.limit)) return usable;
    if (!owed.income_tax) {
        usable.from_income_tax = maximum;
        usable.credit = maximum;
        return usable;
    }
    usable.from_income_tax = std::min(maximum, *owed.income_tax);
    const Money rest = maximum - usable.from_income_tax;
    // Unknown resident tax: only the regime's limit holds.
    const Money room = owed.resident_tax ? std::min(*owed.resident_tax, requirements.resident_cap)
                                         : requirements.resident_cap;
    usable.from_resident_tax = std::min(rest, room);
    usable.credit = usable.from_income_tax + usable.from_resident_tax;
    if (usable.credit < maximum) {
        const bool by_cap =
            requirements.resident_cap > Money() && room == requirements.resident_cap;
        usable.limit = by_cap ? CreditLimit::ResidentCap : CreditLimit::TaxOwed;
    }
    return usable;
}

std::string limit_caption(CreditLimit limit, const Requirements& requirements) {
    switch (limit) {
        case CreditLimit::None:
            return "満額";
        case CreditLimit::TaxOwed:
            return requirements.resident_cap > Money() ? "所得税・住民税額" : "所得税額";
        case CreditLimit::ResidentCap:
            // "%m" without its yen sign: "97,500".
            return "住民税上限" + format_money(requirements.resident_cap).substr(1) + "円";
        case CreditLimit::IncomeLimit:
            return "所得要件超過";
        case CreditLimit::FloorArea:
            return "床面積要件外";
    }
    return {};
}

std::string limits_by_year(const std::vector<std::string>& limits) {
    std::string text;
    const int years = static_cast<int>(limits.size());
    for (int first = 0; first < years;) {
        int last = first;
        while (last + 1 < years && limits[last + 1] == limits[first])
            ++last;
        if (!limits[first].empty()) {
            if (!text.empty()) text += "／";
            text += std::to_string(first + 1);
            if (last > first) text += "～" + std::to_string(last + 1);
            text += "年目 " + limits[first];
        }
        first = last + 1;
    }
    return text;
}

}  // namespace rebanto::tax_credit
