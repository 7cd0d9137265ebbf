// The credit a borrower can use, worked out by hand: the income requirement, the income tax
// owed, and the resident tax up to its yearly limit.
#include <gtest/gtest.h>

#include "calculators/tax_credit.h"
#include "calculators/tax_owed.h"

namespace rebanto::tax_credit {
namespace {

Money yen(long long amount) {
    return Money::from_yen(amount);
}

const Regime& later(const std::string& caption) {
    for (const Regime& regime : regimes_since_2022())
        if (caption == regime.caption) return regime;
    throw std::runtime_error("no regime " + caption);
}

const Regime& classic(const std::string& caption) {
    for (const Regime& regime : classic_regimes())
        if (caption == regime.caption) return regime;
    throw std::runtime_error("no regime " + caption);
}

// A new certified house entered in 2026: 0.7 % of a 40,000,000-yen balance is 280,000 yen.
const Requirements& from2026() {
    return later("R8～12年入居 新築 認定住宅 13年").requirements;
}
const Money kMaximum = yen(280'000);

TaxOwed owed(std::optional<long long> income, std::optional<long long> income_tax,
             std::optional<long long> resident_tax, FloorArea floor = FloorArea::From50) {
    TaxOwed o;
    if (income) o.income = yen(*income);
    if (income_tax) o.income_tax = yen(*income_tax);
    if (resident_tax) o.resident_tax = yen(*resident_tax);
    o.floor = floor;
    return o;
}

// ---- The income requirement ----

TEST(IncomeRequirement, TwentyMillionIsStillWithinTheLimitAndOneYenMoreIsNot) {
    const UsableCredit at = usable_credit(kMaximum, from2026(), owed(20'000'000, 500'000, {}));
    EXPECT_EQ(at.credit, kMaximum);
    EXPECT_EQ(at.limit, CreditLimit::None);
    const UsableCredit over = usable_credit(kMaximum, from2026(), owed(20'000'001, 500'000, {}));
    EXPECT_EQ(over.credit, Money());
    EXPECT_EQ(over.from_income_tax, Money());
    EXPECT_EQ(over.limit, CreditLimit::IncomeLimit);
}

TEST(IncomeRequirement, ASmallHomeHasTenMillionAsItsLimit) {
    const auto small = [](long long income) {
        return usable_credit(kMaximum, from2026(),
                             owed(income, 500'000, {}, FloorArea::From40To50));
    };
    EXPECT_EQ(small(10'000'000).credit, kMaximum);
    EXPECT_EQ(small(10'000'001).credit, Money());
    EXPECT_EQ(small(10'000'001).limit, CreditLimit::IncomeLimit);
    // The same income in a home of 50 ㎡ or more is well within the limit.
    EXPECT_EQ(usable_credit(kMaximum, from2026(), owed(10'000'001, 500'000, {})).credit, kMaximum);
}

TEST(IncomeRequirement, ASmallHomeDoesNotQualifyWhereTheRegimeWantsFiftySquareMetres) {
    const UsableCredit existing =
        usable_credit(yen(140'000), later("R4～7年入居 既存 その他 10年").requirements,
                      owed(5'000'000, 500'000, {}, FloorArea::From40To50));
    EXPECT_EQ(existing.credit, Money());
    EXPECT_EQ(existing.limit, CreditLimit::FloorArea);
    // The uplift for households raising children is taken instead of the smaller floor.
    EXPECT_EQ(
        usable_credit(kMaximum, later("R8～12年入居 新築 認定住宅 子育て等 13年").requirements,
                      owed(5'000'000, {}, {}, FloorArea::From40To50))
            .limit,
        CreditLimit::FloorArea);
}

TEST(IncomeRequirement, EntrantsBefore2022HadThirtyMillion) {
    const Requirements& r2003 = classic("13年7月～15年末").requirements;
    EXPECT_EQ(usable_credit(yen(300'000), r2003, owed(30'000'000, 400'000, {})).credit,
              yen(300'000));
    EXPECT_EQ(usable_credit(yen(300'000), r2003, owed(30'000'001, 400'000, {})).limit,
              CreditLimit::IncomeLimit);
}

// ---- The income tax owed ----

TEST(IncomeTax, ATaxAtOrAboveTheMaximumTakesItAll) {
    for (long long tax : {280'000LL, 280'001LL, 1'000'000LL}) {
        const UsableCredit u = usable_credit(kMaximum, from2026(), owed({}, tax, {}));
        EXPECT_EQ(u.from_income_tax, kMaximum) << tax;
        EXPECT_EQ(u.from_resident_tax, Money()) << tax;
        EXPECT_EQ(u.limit, CreditLimit::None) << tax;
    }
}

TEST(IncomeTax, WhatItCannotTakeGoesToTheResidentTax) {
    // 280,000 − 279,999 = 1 yen left for the resident tax.
    const UsableCredit one = usable_credit(kMaximum, from2026(), owed({}, 279'999, 300'000));
    EXPECT_EQ(one.from_income_tax, yen(279'999));
    EXPECT_EQ(one.from_resident_tax, yen(1));
    EXPECT_EQ(one.credit, kMaximum);
    // 280,000 − 200,000 = 80,000 left, within the resident tax and its 97,500 yen.
    const UsableCredit part = usable_credit(kMaximum, from2026(), owed({}, 200'000, 300'000));
    EXPECT_EQ(part.from_resident_tax, yen(80'000));
    EXPECT_EQ(part.limit, CreditLimit::None);
}

TEST(IncomeTax, ARegimeWithoutAResidentTaxCreditStopsAtTheIncomeTax) {
    // 1997 entrant ("9・10年"), year 1 on 25,000,000 yen: 200,000 + 100,000 + 25,000 = 325,000;
    // an income tax of 200,000 leaves 125,000 that nothing can take.
    const Requirements& r1997 = classic("9・10年").requirements;
    const UsableCredit u = usable_credit(yen(325'000), r1997, owed({}, 200'000, 300'000));
    EXPECT_EQ(u.credit, yen(200'000));
    EXPECT_EQ(u.limit, CreditLimit::TaxOwed);
    EXPECT_EQ(limit_caption(u.limit, r1997), "所得税額");
}

// ---- The resident tax's yearly limit ----

// The resident tax is ample (300,000); the income tax leaves 97,499, 97,500 or 97,501 yen of
// the 280,000 to it.
TEST(ResidentTax, AtMostNinetySevenThousandFiveHundredYenAYear) {
    const auto need = [](long long rest) {
        return usable_credit(kMaximum, from2026(), owed({}, 280'000 - rest, 300'000));
    };
    EXPECT_EQ(need(97'499).from_resident_tax, yen(97'499));
    EXPECT_EQ(need(97'499).credit, kMaximum);
    EXPECT_EQ(need(97'500).from_resident_tax, yen(97'500));
    EXPECT_EQ(need(97'500).credit, kMaximum);
    EXPECT_EQ(need(97'500).limit, CreditLimit::None);
    // 182,499 + 97,500 = 279,999: one yen of the credit is lost.
    EXPECT_EQ(need(97'501).from_resident_tax, yen(97'500));
    EXPECT_EQ(need(97'501).credit, yen(279'999));
    EXPECT_EQ(need(97'501).limit, CreditLimit::ResidentCap);
    EXPECT_EQ(limit_caption(CreditLimit::ResidentCap, from2026()), "住民税上限97,500円");
}

TEST(ResidentTax, ASmallerResidentTaxIsItsOwnLimit) {
    // 280,000 − 182,499 = 97,501 wanted, 50,000 owed: 182,499 + 50,000 = 232,499.
    const UsableCredit u = usable_credit(kMaximum, from2026(), owed({}, 182'499, 50'000));
    EXPECT_EQ(u.credit, yen(232'499));
    EXPECT_EQ(u.limit, CreditLimit::TaxOwed);
    EXPECT_EQ(limit_caption(u.limit, from2026()), "所得税・住民税額");
}

TEST(ResidentTax, AnUnknownResidentTaxLeavesOnlyTheYearlyLimit) {
    const UsableCredit u = usable_credit(kMaximum, from2026(), owed({}, 100'000, {}));
    // 100,000 + 97,500
    EXPECT_EQ(u.credit, yen(197'500));
    EXPECT_EQ(u.limit, CreditLimit::ResidentCap);
}

// ---- What the window says ----

TEST(Limits, RunsOfYearsAreNamedOnce) {
    std::vector<std::string> limits(3, "住民税上限97,500円");
    limits.resize(13, "満額");
    limits.resize(15, "");
    EXPECT_EQ(limits_by_year(limits), "1～3年目 住民税上限97,500円／4～13年目 満額");
    EXPECT_EQ(limits_by_year({"満額", "", "所得要件超過"}), "1年目 満額／3年目 所得要件超過");
    EXPECT_EQ(limits_by_year({"", ""}), "");
}

}  // namespace
}  // namespace rebanto::tax_credit
