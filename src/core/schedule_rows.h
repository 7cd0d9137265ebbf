#pragma once
// The data rows the calculation appends to the current tables.
#include <string>
#include <string_view>
#include <vector>

#include "base/money.h"

namespace rebanto {

// A period row: month (col 0) with its year and month, the step's fields, the payment
// number (col 7) and the day-interest flag (col 13).
std::vector<std::string> period_row(int month, int payment_number, const std::string& principal,
                                    const std::string& rate, const std::string& remaining,
                                    const std::string& instalment, const std::string& last_interest,
                                    const std::string& payments, const std::string& interest,
                                    const std::string& principal_repaid, const std::string& balance,
                                    const std::string& flag);

// A prepayment row ("内" "入"), remark "U" + gap unit + gap, and what the prepayment asked
// beyond the principal left, when it did.
std::vector<std::string> prepayment_row(int month, const std::string& principal_before,
                                        const std::string& gap_rate, const std::string& paid_total,
                                        const std::string& gap, const std::string& gap_unit,
                                        const std::string& gap_interest, const std::string& prepaid,
                                        const std::string& next_principal, Money surplus = Money());

// A prepayment larger than the principal left pays that principal; the rest asked is named in
// the row's remark after the timing: "U同時 超過分8,355,880円".
inline constexpr std::string_view kSurplusMark = " 超過分";
// The surplus a prepayment row's remark names; zero when it names none or cannot be read.
Money surplus_in_remark(const std::string& remark);
// Whole yen with thousands separators and "円", as a message or remark names an amount.
std::string yen_amount(Money value);

// A totals row ("経" "過"), remark "K".
std::vector<std::string> totals_row(int month, Money interest, Money principal, Money paid,
                                    Money next_principal);

}  // namespace rebanto
