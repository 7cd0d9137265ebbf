// General bank loans whose rate follows the variable-rate list, half-year by half-year,
// optionally after a fixed-rate period and with the instalment held for 5-year blocks.
// Between recomputations the interest follows the rate while the instalment stays, so
// the principal part absorbs the change (no cap on increases, no deferred interest).
#include <algorithm>
#include <array>
#include <limits>

#include "base/errors.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "schedules/rate_list_grid.h"

namespace rebanto {

namespace {

constexpr const char* kHoldOnlyZeroOrFive =
    "5年の５か、適用しない意味の０かしか、現バージョンでは対応していません";

using rate_list::kMonthsPerBlock;

constexpr const char* kVariableRateTable = "月次返済表(予想変動金利)";

// The half-year inside the list's 5-year block, 1..10, for months already paid.
int half_year_in_block(int months) {
    return (months % kMonthsPerBlock) / 6 + 1;
}

// A fixed period of f half-years moves the 5-year blocks of constant instalments to its
// end: f reduced by 10 until at most 9 (at most four times).
int block_shift(int fixed_half_years) {
    int shift = fixed_half_years;
    for (int i = 0; i < 4 && shift > 9; ++i)
        shift -= 10;
    return shift;
}

// The fixed years step through the periods the banks offer, 3, 5, 7, 10, 2 and round again,
// forward or back; any other value starts again at 3.
std::string next_fixed_period(const std::string& years, int direction) {
    constexpr std::array<const char*, 5> kPeriods = {"3", "5", "7", "10", "2"};
    constexpr int size = static_cast<int>(kPeriods.size());
    for (int i = 0; i < size; ++i) {
        if (years == kPeriods[static_cast<std::size_t>(i)]) {
            return kPeriods[static_cast<std::size_t>((i + size + direction) % size)];
        }
    }
    return "3";
}

// The options of the loan, read before anything changes.
struct VariableRateOptions {
    bool fixed;
    int fixed_half_years;
    int hold;  // months the instalment is held (0: it follows every half-year)
};

VariableRateOptions variable_rate_options(const TForm1& f) {
    const bool fixed = f.RdBt2_kotei.checked();
    const int fixed_years = fixed ? std::max(0, count(f.Ed2_kotei_yy)) : 0;
    return {fixed, fixed_years * 2, count(f.Ed2_hensai1tei_yy) * 12};
}

}  // namespace

void BatchTablesPage::list_cell_to_rate(int col, int row) {
    const std::string text = main_.StringGrid6.cell(row, col);
    try {
        (void)to_extended(text);
    } catch (const ConversionError&) {
        // The rate of the previous step stays.
        app().platform().beep(Beep::Default);
        return;
    }
    main_.Edit2.set_text(text);
}

void BatchTablesPage::list_rate_at(int months) {
    int e = months < 0 ? 1 : months;
    const int col = e / kMonthsPerBlock + 1;
    e = e + kMonthsPerBlock - kMonthsPerBlock * col;
    const int row = e / 6 + 1;
    if (col <= rate_list::kBlocks && row <= rate_list::kHalfYearsPerBlock)
        list_cell_to_rate(col, row);
}

// What one part's schedule steps by: the monthly schedule a month a step, six to a
// half-year of the list, up to the term; the bonus schedule a payment a step, one to a
// half-year, for as many steps as it has payments.
struct BatchTablesPage::VariableRatePart {
    bool bonus;
    int step_months;
    int steps_per_half_year;
    int list_offset;  // months added to those done before the list is read
    int lead_in;      // months up to the first half-year boundary
    int term;         // months the steps of the fixed period may cover
    int later_term;   // months the steps after it may cover
    int block_end;    // half-years after the fixed period run while their index is below it
};

// The texts are copies: callers pass the very fields the schedule rewrites.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void BatchTablesPage::hendo_mon(std::string rate, std::string years, std::string principal) {
    const VariableRateOptions options = variable_rate_options(main_);
    align_rate_list();
    open_part_schedule(false, rate, years, principal, batch_head("月", kVariableRateTable));
    main_.PRset1(main_.Ed0_kin);
    set_step_months("1");
    const int n = main_.TotalMonths;
    variable_rate_schedule({false, 1, 6, ListOffset, ListLead, n, n, n / 6 + 2}, options.fixed,
                           options.fixed_half_years, options.hold);
}

void BatchTablesPage::hendo_bon(std::string rate, std::string principal) {
    const VariableRateOptions options = variable_rate_options(main_);
    align_rate_list();
    batch_run(true, [&] {
        const int n = count(main_.Ed1_Mzankaisu);
        open_part_schedule(true, rate, "", principal,
                           batch_head(Button67.caption(), kVariableRateTable));
        const int interval = main_.bonus_interval();
        const int payments = main_.bonus_payment_number(n);
        set_step_months(std::to_string(interval));
        main_.Edit14.set_text("1");
        main_.PRset1(main_.Ed0_kin);
        commit_steps_before_first_bonus();
        // The payments bound the steps after the fixed period, not the months they cover.
        variable_rate_schedule(
            {true, interval, 1, BonusListOffset, 0, n, std::numeric_limits<int>::max(), payments},
            options.fixed, options.fixed_half_years, options.hold);
    });
}

void BatchTablesPage::variable_rate_schedule(const VariableRatePart& part, bool fixed,
                                             int fixed_half_years, int hold) {
    const int shift = block_shift(fixed_half_years);
    int done = 0;
    if (fixed) {
        list_cell_to_rate(rate_list::col_of(0), rate_list::row_of(0));
        for (int j = 1; j <= fixed_half_years && done < part.term; ++j) {
            for (int i = 1; i <= part.steps_per_half_year && done < part.term;
                 ++i, done += part.step_months) {
                // The first two half-years start with an instalment of their own.
                if (!(i == 1 && j <= 2)) batch_hold();
                batch_commit();
            }
        }
    }
    // Steps at the list's rate for the months done. At the first of them (`block_rule`) the
    // instalment is recomputed when it follows every half-year (hold 0) or when a 5-year
    // block of constant instalments begins; the others keep it.
    const auto run = [&](int steps, bool block_rule) {
        list_rate_at(done + part.list_offset);
        const int h = half_year_in_block(done);
        for (int i = 1; i <= steps && done < part.later_term; ++i, done += part.step_months) {
            if (i > 1 || !block_rule || (hold != 0 && h - shift != 1)) batch_hold();
            batch_commit();
        }
    };
    for (int b = fixed_half_years; b < part.block_end && done < part.later_term; ++b) {
        // The first block starts with the months up to the first half-year boundary, and
        // its regular months then keep the instalment.
        const bool lead_in = b == fixed_half_years && part.lead_in > 0;
        if (lead_in) run(part.lead_in, true);
        run(part.steps_per_half_year, !lead_in);
    }
    close_part_schedule(part.bonus);
}

void BatchTablesPage::Bt2_hendo_monClick(Control&) {
    variable_rate_run([this] {
        build_one_part(
            false,
            [this] { hendo_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            "HeM");
    });
}

void BatchTablesPage::Bt2_hendo_bonClick(Control&) {
    variable_rate_run([this] {
        build_one_part(
            true, [this] { hendo_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "HeB");
    });
}

void BatchTablesPage::Button74Click(Control&) {
    variable_rate_run([this] {
        build_both_parts(
            [this] { hendo_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            [this] { hendo_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "He");
    });
}

// The grid and Memo1 are brought to agree before a variable-rate table: the panel is
// opened and closed.
void BatchTablesPage::variable_rate_run(const std::function<void()>& build) {
    check_variable_rate_options();
    align_rate_list();
    batch_run(false, [this, &build] {
        if (!main_.GroupBox9.visible()) show_rate_list_panel();
        Button55Click(main_.Button55);
        build();
    });
}

// ---- Options of the variable-rate loan ----

// The option fields are checked before a run starts, so that a bad one stops it before
// anything changes; the fixed years only count when a fixed period is chosen.
void BatchTablesPage::check_variable_rate_options() {
    if (RdBt2_kotei.checked()) (void)count(Ed2_kotei_yy);
    (void)count(Ed2_hensai1tei_yy);
}

void BatchTablesPage::RdBt2_koteiClick(Control&) {
    Ed2_kotei_yy.set_enabled(true);
    Label82.set_enabled(true);
}

void BatchTablesPage::RdBt2_non_koteiClick(Control&) {
    Ed2_kotei_yy.set_enabled(false);
    Label82.set_enabled(false);
}

void BatchTablesPage::Label82Click(Control&) {
    if (Label82.enabled()) Ed2_kotei_yy.set_text(next_fixed_period(Ed2_kotei_yy.text(), 1));
}

void BatchTablesPage::Label82RightClick(Control&) {
    if (Label82.enabled()) Ed2_kotei_yy.set_text(next_fixed_period(Ed2_kotei_yy.text(), -1));
}

void BatchTablesPage::Ed2_hensai1tei_yyClick(Control&) {
    Ed2_hensai1tei_yy.set_text("0");
}

void BatchTablesPage::Ed2_hensai1tei_yyDblClick(Control&) {
    Ed2_hensai1tei_yy.set_text("5");
}

// Only "0" (the instalment follows every rate change) and "5" (5-year blocks) are known;
// an emptied field is left to be typed into.
void BatchTablesPage::Ed2_hensai1tei_yyChange(Control&) {
    const std::string& text = Ed2_hensai1tei_yy.text();
    if (text.empty() || text == "0" || text == "5") return;
    main_.beep(Beep::Warning);
    app().platform().message(kHoldOnlyZeroOrFive);
    Ed2_hensai1tei_yy.set_text("5");
}

// ---- Presets of the bank rates ----

void BatchTablesPage::Button64Click(Control&) {
    cycle_preset(Button64, main_.Edit41, main_.Edit53, main_.Edit54);
}

void BatchTablesPage::Button65Click(Control&) {
    cycle_preset(Button65, main_.Edit55, main_.Edit56, main_.Edit57);
}

}  // namespace rebanto
