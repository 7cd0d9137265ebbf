// General bank loans whose rate follows the variable-rate list, half-year by half-year,
// optionally after a fixed-rate period and with the instalment held for 5-year blocks.
// Between recomputations the interest follows the rate while the instalment stays, so
// the principal part absorbs the change (no cap on increases, no deferred interest).
#include <algorithm>

#include "base/errors.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kHoldOnlyZeroOrFive =
    "5年の５か、適用しない意味の０かしか、現バージョンでは対応していません";

// The list holds 7 five-year blocks (columns) of 10 half-years (rows).
constexpr int kListBlocks = 7;
constexpr int kHalfYearsPerBlock = 10;
constexpr int kMonthsPerBlock = 60;

std::string variable_rate_head(bool equal_principal, const std::string& stream) {
    return std::string(equal_principal ? "元金均等返済検討書（" : "Rebanto（") + stream +
           "返済）＊＊＊月次返済表(予想変動金利)＊＊＊" + "  -- by.";
}

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

}  // namespace

void TForm1::list_cell_to_rate(int col, int row) {
    const std::string text = StringGrid6.cell(row, col);
    try {
        (void)to_extended(text);
    } catch (const ConversionError&) {
        // The rate of the previous step stays.
        app_.platform().beep(Beep::Default);
        return;
    }
    Edit2.set_text(text);
}

void TForm1::list_rate_at(int months) {
    int e = months < 0 ? 1 : months;
    const int col = e / kMonthsPerBlock + 1;
    e = e + kMonthsPerBlock - kMonthsPerBlock * col;
    const int row = e / 6 + 1;
    if (col <= kListBlocks && row <= kHalfYearsPerBlock) list_cell_to_rate(col, row);
}

void TForm1::hendo_mon(std::string rate, std::string years, std::string principal) {
    // The options are read before anything changes.
    const bool fixed = RdBt2_kotei.checked();
    const int fixed_years = fixed ? std::max(0, count(Ed2_kotei_yy)) : 0;
    const int hold = count(Ed2_hensai1tei_yy) * 12;
    align_rate_list();

    st_ikkazu();
    Ed0_wari.set_text("0");
    Ed0_nen.set_text(years);
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    NextPrincipalB = Money();
    start_part(false, variable_rate_head(equal_principal(), "月"));
    PRset1(Ed0_kin);
    set_step_months("1");

    const int n = TotalMonths;
    const int blocks = n / 6 + 1;
    int done = 0;
    int f = 0;
    int shift = 0;
    if (fixed) {
        f = fixed_years * 2;
        shift = block_shift(f);
        list_cell_to_rate(1, 1);
        for (int j = 1; j <= f && done < n; ++j) {
            for (int i = 1; i <= 6 && done < n; ++i, ++done) {
                if (!(i == 1 && j <= 2)) batch_hold();
                batch_commit();
            }
        }
    }
    // At the first month of a block the instalment is recomputed when it follows every
    // half-year (hold 0) or when a 5-year block of constant instalments begins.
    const auto block_start = [&](int h) {
        if (hold != 0 && h - shift != 1) batch_hold();
    };
    bool first_block = true;
    for (int b = f; b <= blocks && done < n; ++b) {
        // The first block starts with the months up to the first half-year boundary.
        const bool lead_in = first_block && ListLead > 0;
        if (lead_in) {
            list_rate_at(done + ListOffset);
            const int h = half_year_in_block(done);
            for (int i = 1; i <= ListLead && done < n; ++i, ++done) {
                if (i == 1) {
                    block_start(h);
                } else {
                    batch_hold();
                }
                batch_commit();
            }
        }
        list_rate_at(done + ListOffset);
        const int h = half_year_in_block(done);
        for (int i = 1; i <= 6 && done < n; ++i, ++done) {
            if (i == 1 && !lead_in) {
                block_start(h);
            } else {
                batch_hold();
            }
            batch_commit();
        }
        first_block = false;
    }
    goukeikinyu_m();
    end_ikkazu();
}

void TForm1::hendo_bon(std::string rate, std::string principal) {
    const bool fixed = RdBt2_kotei.checked();
    const int fixed_years = fixed ? std::max(0, count(Ed2_kotei_yy)) : 0;
    const int hold = count(Ed2_hensai1tei_yy) * 12;
    align_rate_list();

    batch_run(true, [&] {
        const int n = count(Ed1_Mzankaisu);
        st_ikkazu();
        Ed0_wari.set_text("100");
        Ed0_moto.set_text(principal);
        Ed0_kin.set_text(rate);
        NextPrincipalM = Money();
        start_part(true, variable_rate_head(equal_principal(), Button67.caption()));

        const int interval = bonus_interval();
        const int first = bonus_first_months();
        const int payments =
            static_cast<int>(int_part(static_cast<long double>(n - first) / interval + 1));
        set_step_months(std::to_string(interval));
        Edit14.set_text("1");
        PRset1(Ed0_kin);
        if (interval < first) {
            for (int i = 0; i < first / interval; ++i)
                batch_commit();
        }
        int covered = 0;
        int f = 0;
        int shift = 0;
        if (fixed) {
            f = fixed_years * 2;
            shift = block_shift(f);
            list_cell_to_rate(1, 1);
            for (int s = 1; s <= f && covered < n; ++s, covered += interval) {
                if (s > 2) batch_hold();
                batch_commit();
            }
        }
        // One payment per step: the rule of a block's first month applies at every step.
        for (int s = 1; s <= payments - f; ++s, covered += interval) {
            list_rate_at(covered + BonusListOffset);
            if (hold != 0 && half_year_in_block(covered) - shift != 1) batch_hold();
            batch_commit();
        }
        goukeikinyu_b();
        end_ikkazu();
    });
}

// The grid and Memo1 are brought to agree before a variable-rate table: the panel is
// opened and closed.
void TForm1::Bt2_hendo_monClick(Control&) {
    check_variable_rate_options();
    align_rate_list();
    batch_run(false, [this] {
        if (!GroupBox9.visible()) show_rate_list_panel();
        Button55Click(Button55);
        PRset1(Ed0_kin);
        Bt7_MClearClick(Bt7_MClear);
        if (Edit1.tag() == 1) hendo_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text());
        Ed555.set_text("HeM");
        beep(Beep::Information);
    });
}

void TForm1::Bt2_hendo_bonClick(Control&) {
    check_variable_rate_options();
    align_rate_list();
    batch_run(false, [this] {
        if (!GroupBox9.visible()) show_rate_list_panel();
        Button55Click(Button55);
        PRset1(Ed0_kin);
        Bt7_BClearClick(Bt7_BClear);
        if (Edit6.tag() == 1) hendo_bon(Ed0_kin.text(), Edit6.text());
        Ed555.set_text("HeB");
        beep(Beep::Information);
    });
}

void TForm1::Button74Click(Control&) {
    check_variable_rate_options();
    align_rate_list();
    batch_run(false, [this] {
        if (!GroupBox9.visible()) show_rate_list_panel();
        Button55Click(Button55);
        build_both_parts([this] { hendo_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text()); },
                         [this] { hendo_bon(Ed0_kin.text(), Edit6.text()); }, "He");
    });
}

// ---- Options of the variable-rate loan ----

// The option fields are checked before a run starts, so that a bad one stops it before
// anything changes; the fixed years only count when a fixed period is chosen.
void TForm1::check_variable_rate_options() {
    if (RdBt2_kotei.checked()) (void)count(Ed2_kotei_yy);
    (void)count(Ed2_hensai1tei_yy);
}

void TForm1::RdBt2_koteiClick(Control&) {
    Ed2_kotei_yy.set_enabled(true);
    Label82.set_enabled(true);
}

void TForm1::RdBt2_non_koteiClick(Control&) {
    Ed2_kotei_yy.set_enabled(false);
    Label82.set_enabled(false);
}

// The fixed years step through the periods the banks offer: 3, 5, 7, 10, 2.
void TForm1::Label82Click(Control&) {
    if (!Label82.enabled()) return;
    const std::string& y = Ed2_kotei_yy.text();
    Ed2_kotei_yy.set_text(y == "3"    ? "5"
                          : y == "5"  ? "7"
                          : y == "7"  ? "10"
                          : y == "10" ? "2"
                                      : "3");
}

void TForm1::Label82RightClick(Control&) {
    if (!Label82.enabled()) return;
    const std::string& y = Ed2_kotei_yy.text();
    Ed2_kotei_yy.set_text(y == "3"    ? "2"
                          : y == "2"  ? "10"
                          : y == "10" ? "7"
                          : y == "7"  ? "5"
                                      : "3");
}

void TForm1::Ed2_hensai1tei_yyClick(Control&) {
    Ed2_hensai1tei_yy.set_text("0");
}

void TForm1::Ed2_hensai1tei_yyDblClick(Control&) {
    Ed2_hensai1tei_yy.set_text("5");
}

// Only "0" (the instalment follows every rate change) and "5" (5-year blocks) are known;
// an emptied field is left to be typed into.
void TForm1::Ed2_hensai1tei_yyChange(Control&) {
    const std::string& text = Ed2_hensai1tei_yy.text();
    if (text.empty() || text == "0" || text == "5") return;
    beep(Beep::Warning);
    app_.platform().message(kHoldOnlyZeroOrFive);
    Ed2_hensai1tei_yy.set_text("5");
}

// ---- Presets of the bank rates ----

void TForm1::Button64Click(Control&) {
    cycle_preset(Button64, Edit41, Edit53, Edit54);
}

void TForm1::Button65Click(Control&) {
    cycle_preset(Button65, Edit55, Edit56, Edit57);
}

}  // namespace rebanto
