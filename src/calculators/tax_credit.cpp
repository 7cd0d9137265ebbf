#include "calculators/tax_credit.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"

namespace rebanto::tax_credit {

Money year_credit(Money balance, const std::array<Money, 4>& rates, Money cap) {
    static constexpr std::array<long long, 4> kBands = {10'000'000, 10'000'000, 10'000'000,
                                                        20'000'000};
    Money left = balance > cap ? cap : balance;
    // Ten-thousandths of a yen × ten-thousandths of a percent: 10^10 of a yen's hundredth.
    __int128 credit = 0;
    for (int band = 0; band < 4 && left > Money(); ++band) {
        const Money width = Money::from_yen(kBands[band]);
        const Money part = left < width ? left : width;
        credit += static_cast<__int128>(part.raw()) * rates[band].raw();
        left = left - part;
    }
    const __int128 per_yen = static_cast<__int128>(Money::kScale) * Money::kScale * 100;
    return Money::from_yen(static_cast<long long>(credit / per_yen));
}

namespace {

// The current tables' columns; the deduction table's own are in tax_credit.h.
namespace col = schedule_col;

bool has_month(const Grid& table, const std::string& month) {
    for (int r = kFirstDataRow; r < table.row_count(); ++r)
        if (table.cell(r, col::kMonthOfYear) == month) return true;
    return false;
}

}  // namespace

std::string key_month(const Grid& table, const std::string& wanted) {
    if (has_month(table, wanted)) return wanted;
    long long month = 0;
    try {
        month = to_int(wanted);
    } catch (const ConversionError&) {
        return {};
    }
    for (int step = 0; step < 12; ++step) {
        month = month - 1 < 0 ? 11 : month - 1;
        if (has_month(table, std::to_string(month))) return std::to_string(month);
    }
    return {};
}

namespace {

struct WalkColumns {
    int balance;
    int month;
};

bool is_totals(const Grid& t, int r) {
    return t.cell(r, col::kFlag) == "K";
}
bool is_prepayment(const Grid& t, int r) {
    return t.cell(r, col::kFlag).rfind('U', 0) == 0;
}

// Rows of one table whose month display is the key, one a year from row 2 of the
// deduction table; a prepayment paid with a year-end instalment replaces that year's
// balance by the balance after it.
void walk(const Grid& table, const std::string& key, WalkColumns cols, bool instalments,
          Grid& deduction) {
    int t = kFirstYearRow;
    int last_taken = -1;
    int last_written = -1;
    for (int r = kFirstDataRow; r < table.row_count() && t <= kFirstYearRow + kYears - 1; ++r) {
        if (is_totals(table, r)) continue;
        if (is_prepayment(table, r)) {
            if (last_taken >= 0 &&
                table.cell(r, col::kMonth) == table.cell(last_taken, col::kMonth))
                deduction.set_cell(last_written, cols.balance, table.cell(r, col::kNewPrincipal));
            continue;
        }
        if (table.cell(r, col::kMonthOfYear) != key) continue;
        if (instalments) deduction.set_cell(t, kInstalment, table.cell(r, col::kMonth));
        deduction.set_cell(t, cols.balance, table.cell(r, col::kNewPrincipal));
        deduction.set_cell(t, cols.month, table.cell(r, col::kMonthOfYear));
        deduction.set_cell(t, kApplied, kMark);
        last_taken = r;
        last_written = t;
        ++t;
    }
}

// The bonus year ends beside the monthly ones: a bonus row paid after the monthly year end
// of its row belongs to the following year, and the first year then shows the bonus
// principal at the start.
void walk_bonus_beside_monthly(const Grid& bonus, const std::string& key, Grid& deduction) {
    const int last_row = kFirstYearRow + kYears - 1;
    int t = kFirstYearRow;
    int last_taken = -1;
    int last_written = -1;
    for (int r = kFirstDataRow; r < bonus.row_count() && t <= last_row; ++r) {
        if (is_totals(bonus, r)) continue;
        if (is_prepayment(bonus, r)) {
            if (last_taken >= 0 &&
                bonus.cell(r, col::kMonth) == bonus.cell(last_taken, col::kMonth))
                deduction.set_cell(last_written, kBonusBalance, bonus.cell(r, col::kNewPrincipal));
            continue;
        }
        if (bonus.cell(r, col::kMonthOfYear) != key) continue;
        bool later = false;
        try {
            later = to_extended(deduction.cell(t, kInstalment)) <
                    to_extended(bonus.cell(r, col::kMonth));
        } catch (const ConversionError&) {
            later = false;  // no monthly year end to compare with: the same year
        }
        const int target = later ? t + 1 : t;
        if (target > last_row) break;
        deduction.set_cell(target, kBonusBalance, bonus.cell(r, col::kNewPrincipal));
        deduction.set_cell(target, kBonusMonth, bonus.cell(r, col::kMonthOfYear));
        deduction.set_cell(target, kApplied, kMark);
        if (later) {
            deduction.set_cell(kFirstYearRow, kBonusBalance,
                               bonus.cell(kFirstDataRow, col::kPrincipal));
            deduction.set_cell(kFirstYearRow, kBonusMonth,
                               bonus.cell(kFirstDataRow, col::kMonthOfYear));
            deduction.set_cell(kFirstYearRow, kApplied, kMark);
        }
        last_taken = r;
        last_written = target;
        ++t;
        // A following-year bonus has just written row t: past the fifteenth year nothing
        // is left to fill, and a later row would overwrite the last year.
        if (later && t >= last_row) break;
    }
}

}  // namespace

void analyse_year_ends(const Grid& monthly, const Grid& bonus, const std::string& wanted,
                       Grid& deduction) {
    const bool has_monthly = monthly.row_count() > 2;
    if (has_monthly) {
        const std::string key = key_month(monthly, wanted);
        if (!key.empty()) walk(monthly, key, {kMonthlyBalance, kMonthlyMonth}, true, deduction);
    }
    if (bonus.row_count() > 2) {
        const std::string key = key_month(bonus, wanted);
        if (key.empty()) return;
        if (monthly.row_count() < 3) {
            walk(bonus, key, {kBonusBalance, kBonusMonth}, true, deduction);
        } else {
            walk_bonus_beside_monthly(bonus, key, deduction);
        }
    }
}

}  // namespace rebanto::tax_credit
