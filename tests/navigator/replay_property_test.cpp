// Properties every replay keeps, over loans generated from their number: both repayment
// methods, every rounding mode and accrual unit, one- and six-month steps, rate changes and
// prepayments at any month, the last year included, some beyond the principal left. After a
// replay no row charges negative interest, no principal falls below zero but by the last
// instalment's rounding, no prepayment leaves a negative principal, every totals row is the sum
// of the rows above it, and replaying the result unchanged gives it back text for text.
#include <array>
#include <cstdint>

#include "base/numtext.h"
#include "navigator_fixture.h"
#include "split_mix.h"

namespace rebanto::testing {
namespace {

struct Row {
    long long month, instalment, interest, repaid, after;
};

class ReplayProperties : public NavigatorTest, public ::testing::WithParamInterface<int> {
protected:
    std::string loan;  // what was drawn, for the failure messages

    void draw_and_run(Draws& d) {
        static constexpr std::array<RadioButton TForm1::*, 3> kInstalmentRounding{
            &TForm1::RB11, &TForm1::RB12, &TForm1::RB13};
        static constexpr std::array<RadioButton TForm1::*, 3> kInterestRounding{
            &TForm1::RB21, &TForm1::RB22, &TForm1::RB23};
        static constexpr std::array<RadioButton TForm1::*, 5> kAccrual{
            &TForm1::Furi10000, &TForm1::Furi1000, &TForm1::Furi100, &TForm1::Furi10,
            &TForm1::Furi1};
        (main.*kInstalmentRounding[d.below(3)]).set_checked(true);
        (main.*kInterestRounding[d.below(3)]).set_checked(true);
        (main.*kAccrual[d.below(5)]).set_checked(true);
        const bool equal_principal = d.below(3) == 0;
        main.HHkkgg.set_text(equal_principal ? "1" : "0");
        const long long principal = 1'000'000LL * (1 + d.below(60)) + 10'000LL * d.below(100);
        const int rate = 100 + d.below(5000);  // hundredths of a percent
        const int years = 2 + d.below(34);
        const int months = d.below(3) == 0 ? d.below(12) : 0;
        const int step = d.below(2) == 0 ? 1 : 6;
        const char* share = d.below(2) == 0 ? "0" : "20";
        main.Ed0_moto.set_text(std::to_string(principal));
        main.Ed0_kin.set_text(std::to_string(rate / 100) + "." + std::to_string(rate % 100 / 10) +
                              std::to_string(rate % 10));
        main.Ed0_nen.set_text(std::to_string(years));
        main.Ed0_tuki.set_text(std::to_string(months));
        main.Ed0_wari.set_text(share);
        main.Ed1_yy5.set_text("0");
        main.Ed1_mm5.set_text(std::to_string(step));
        main.Button18.click();
        platform.take_log();
        loan = main.Ed0_moto.text() + " yen " + main.Ed0_kin.text() + "% " + std::to_string(years) +
               "y" + std::to_string(months) + "m step " + std::to_string(step) + " share " + share +
               (equal_principal ? " 元金均等" : "");
    }

    // A rate change on a later row of the monthly table, kept to the end; `rise` keeps it
    // at or above the rate it replaces.
    void change_rate(Draws& d, bool rise) {
        Grid& t = nav.StringGrid1;
        const int row = 3 + d.below(std::max(1, t.row_count() - 4));
        if (row >= t.row_count() - 1) return;
        select(row);
        const long double before = to_extended(t.cell(row, 4));
        std::string rate = std::to_string(1 + d.below(6)) + "." + std::to_string(d.below(10));
        if (rise && to_extended(rate) < before) rate = t.cell(row, 4);
        nav.Edit1.set_text(rate);
        nav.Button11.click();
        loan += " rate@" + t.cell(row, 0) + "=" + t.cell(row, 4);
    }

    // A prepayment below a row, up to the whole balance after it, or up to half as much
    // again when `beyond` (the surplus is not paid).
    void prepay(Draws& d, int last_rows, bool beyond) {
        Grid& t = nav.StringGrid1;
        const int plain = t.row_count() - 2;  // the totals row ends the table
        if (plain < 3) return;
        const int row =
            last_rows > 0 ? std::max(2, plain - d.below(last_rows)) : 2 + d.below(plain - 1);
        const long long balance = to_int(t.cell(row, 12));
        if (balance <= 0) return;
        const long long amount =
            std::max<long long>(1, balance * (1 + d.below(beyond ? 150 : 95)) / 100);
        select(row);
        nav.Edit5.set_text(std::to_string(amount));
        nav.Button5.click();
        loan += " prepay@" + t.cell(row, 0) + "=" + std::to_string(amount);
    }

    static std::vector<Row> plain_rows(const Grid& t, int from, int to) {
        std::vector<Row> rows;
        for (int r = from; r < to; ++r) {
            const auto& c = t.row_cells(r);
            if (c[1] == "内" || c[13] == "K" || c[13].rfind("U", 0) == 0) continue;
            rows.push_back(
                {to_int(c[0]), to_int(c[6]), to_int(c[10]), to_int(c[11]), to_int(c[12])});
        }
        return rows;
    }

    void expect_properties(const Grid& t, bool bonus) {
        SCOPED_TRACE(std::string(bonus ? "bonus " : "monthly ") + loan);
        int from = 2;
        for (int r = 2; r < t.row_count(); ++r) {
            if (t.cell(r, 13) != "K") continue;
            const std::vector<Row> rows = plain_rows(t, from, r);
            long long interest = 0;
            long long repaid = 0;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                EXPECT_GE(rows[i].interest, 0) << "month " << rows[i].month;
                // Below zero only by the last instalment's rounding.
                const bool last = i + 1 == rows.size();
                EXPECT_GE(rows[i].after, last ? -rows[i].instalment : 0)
                    << "month " << rows[i].month;
                interest += rows[i].interest;
                repaid += rows[i].repaid;
            }
            // Prepayments are principal repaid as well, never more than the principal left.
            for (int p = from; p < r; ++p) {
                if (t.cell(p, 1) != "内") continue;
                repaid += to_int(t.cell(p, 11));
                EXPECT_GE(to_int(t.cell(p, 12)), 0) << "prepayment row " << p;
            }
            EXPECT_EQ(t.cell(r, 10), std::to_string(interest)) << "totals row " << r;
            EXPECT_EQ(t.cell(r, 11), std::to_string(repaid)) << "totals row " << r;
            EXPECT_EQ(t.cell(r, 6), std::to_string(interest + repaid)) << "totals row " << r;
            if (::testing::Test::HasFailure()) return;
            from = r + 1;
        }
    }
};

TEST_P(ReplayProperties, HoldAfterEveryReplay) {
    Draws d(0x26A5u + static_cast<std::uint64_t>(GetParam()) * 104729u);
    draw_and_run(d);
    open_navigator();
    const bool six_month_steps = main.Ed1_mm5.text() == "6";
    // Instalments kept: one event of any kind, a prepayment maybe beyond the principal left;
    // the loan then ends early, in the middle of a step of several months. Instalments
    // recomputed from the second row on: up to three events, one of them a prepayment,
    // anywhere, the last year included.
    const bool keep = d.below(2) == 0;
    if (keep) {
        d.below(2) == 0 ? change_rate(d, false)
                        : prepay(d, d.below(3) == 0 ? 12 : 0, six_month_steps || d.below(2) == 0);
    } else {
        nav.CheckBox1.set_checked(false);
        nav.Edit6.set_text(nav.StringGrid1.cell(2, 0));
        bool prepaid = false;
        for (int e = d.below(4); e > 0; --e) {
            if (!prepaid && d.below(2) == 0) {
                prepay(d, d.below(3) == 0 ? 12 : 0, d.below(3) == 0);
                prepaid = true;
            } else {
                change_rate(d, false);
            }
        }
    }
    nav.Button9.click();
    expect_properties(StGr1, false);
    expect_properties(StGr2, true);
    // Unchanged, the result replays to itself.
    const Rows monthly = rows_of(StGr1, 2);
    const Rows bonus = rows_of(StGr2, 2);
    open_navigator();
    nav.Button9.click();
    EXPECT_EQ(rows_of(StGr1, 2), monthly) << loan;
    EXPECT_EQ(rows_of(StGr2, 2), bonus) << loan;
}

INSTANTIATE_TEST_SUITE_P(GeneratedLoans, ReplayProperties, ::testing::Range(0, 60));

}  // namespace
}  // namespace rebanto::testing
