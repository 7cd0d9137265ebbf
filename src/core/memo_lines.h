#pragma once
// The text lines a committed step writes into the repayment memos.
#include <cstdint>
#include <string>

#include "base/money.h"

namespace rebanto {

// One period line. The monthly part shows years and months of the step's end; the bonus
// part the last bonus month, in "%2d" and again at the end of the line.
struct PeriodLine {
    bool bonus = false;
    bool equal_principal = false;
    long double years = 0;      // monthly: Ed1_yy9
    long double months = 0;     // monthly: Ed1_mm9
    int bonus_month = 0;        // bonus: the last bonus month in the step
    Money principal;            // Edit1 / Edit6
    long double rate = 0;       // Edit2
    long double remaining = 0;  // Ed1_Mzankaisu / Ed1_Bzankaisu
    Money instalment;           // Edit4 / Edit9
    int payment_number = 0;     // StepEndMonth / the bonus payment number
    Money last_interest;        // Edit21 / Edit22
    long double payments = 0;   // Edit13 / Edit14
    Money interest;             // Edit15 / Edit17
    Money principal_repaid;     // Edit16 / Edit18
    Money balance;              // Edit5 / Edit10
};

std::string period_line(const PeriodLine& line);

// A prepayment paid together with the step's last payment ("同時").
std::string prepayment_line_with_payment(int payment_number, Money prepaid, Money next_principal);

// A prepayment paid days or months after the step's last payment ("日後", "月後").
std::string prepayment_line_later(Money paid_total, int payment_number, std::int64_t gap,
                                  const std::string& gap_unit, Money gap_interest, Money prepaid,
                                  Money next_principal);

// The totals line of a part ("ここまで 支払利息合計=…").
std::string totals_line(bool bonus, Money interest, Money principal, Money paid,
                        Money next_principal);

// The standard band line of the memos for the repayment method.
std::string standard_band(bool equal_principal);

}  // namespace rebanto
