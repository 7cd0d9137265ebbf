#include "core/schedule_rows.h"

#include "base/format.h"
#include "base/numtext.h"

namespace rebanto {

std::vector<std::string> period_row(int month, int payment_number, const std::string& principal,
                                    const std::string& rate, const std::string& remaining,
                                    const std::string& instalment, const std::string& last_interest,
                                    const std::string& payments, const std::string& interest,
                                    const std::string& principal_repaid, const std::string& balance,
                                    const std::string& flag) {
    // Every commit writes one: each cell is made once, in place (a braced list would be
    // copied into the row a second time).
    std::vector<std::string> row;
    row.reserve(14);
    row.push_back(std::to_string(month));
    row.push_back(std::to_string(month / 12));
    row.push_back(std::to_string(month % 12));
    for (const std::string* text : {&principal, &rate, &remaining, &instalment})
        row.push_back(*text);
    row.push_back(std::to_string(payment_number));
    for (const std::string* text :
         {&last_interest, &payments, &interest, &principal_repaid, &balance, &flag})
        row.push_back(*text);
    return row;
}

std::vector<std::string> prepayment_row(int month, const std::string& principal_before,
                                        const std::string& gap_rate, const std::string& paid_total,
                                        const std::string& gap, const std::string& gap_unit,
                                        const std::string& gap_interest, const std::string& prepaid,
                                        const std::string& next_principal, Money surplus) {
    std::string remark = "U" + gap_unit + gap;
    if (surplus > Money()) remark += std::string(kSurplusMark) + yen_amount(surplus);
    return {std::to_string(month),
            "内",
            "入",
            principal_before,
            gap_rate,
            "内入",
            paid_total,
            gap,
            gap_unit,
            "内入",
            gap_interest,
            prepaid,
            next_principal,
            remark};
}

Money surplus_in_remark(const std::string& remark) {
    const std::size_t mark = remark.find(kSurplusMark);
    if (mark == std::string::npos) return Money();
    std::string digits;
    for (std::size_t i = mark + kSurplusMark.size(); i < remark.size(); ++i) {
        const char c = remark[i];
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c != ',') {
            break;
        }
    }
    if (digits.empty() || digits.size() > 12) return Money();
    return Money::from_yen(std::stoll(digits));
}

std::string yen_amount(Money value) {
    std::string text = format_money(value);
    if (!text.empty() && text[0] == kYenSign) text.erase(0, 1);
    return text + "円";
}

std::vector<std::string> totals_row(int month, Money interest, Money principal, Money paid,
                                    Money next_principal) {
    return {std::to_string(month),
            "経",
            "過",
            general(paid + next_principal),
            "=精算総額",
            "返済計",
            general(paid),
            "-",
            "0",
            "経過",
            general(interest),
            general(principal),
            general(next_principal),
            "K"};
}

}  // namespace rebanto
