#include "core/schedule_rows.h"

#include "base/numtext.h"

namespace rebanto {

std::vector<std::string> period_row(int month, int payment_number, const std::string& principal,
                                    const std::string& rate, const std::string& remaining,
                                    const std::string& instalment, const std::string& last_interest,
                                    const std::string& payments, const std::string& interest,
                                    const std::string& principal_repaid, const std::string& balance,
                                    const std::string& flag) {
    return {std::to_string(month),
            std::to_string(month / 12),
            std::to_string(month % 12),
            principal,
            rate,
            remaining,
            instalment,
            std::to_string(payment_number),
            last_interest,
            payments,
            interest,
            principal_repaid,
            balance,
            flag};
}

std::vector<std::string> prepayment_row(int month, const std::string& principal_before,
                                        const std::string& gap_rate, const std::string& paid_total,
                                        const std::string& gap, const std::string& gap_unit,
                                        const std::string& gap_interest, const std::string& prepaid,
                                        const std::string& next_principal) {
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
            "U" + gap_unit + gap};
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
