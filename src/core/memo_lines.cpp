#include "core/memo_lines.h"

#include "base/format.h"

namespace rebanto {

std::string period_line(const PeriodLine& l) {
    std::string s;
    if (l.bonus) {
        s += format_int(l.bonus_month / 12, 2) + " " + format_int(l.bonus_month % 12, 2) + "  ";
    } else {
        s += format_general(l.years, 2) + " " + format_general(l.months, 2) + "  ";
    }
    s += format_money(l.principal, 13) + format_fixed(l.rate, 7, 3) + "% " +
         format_fixed(l.remaining, 4, 0) + (l.bonus ? "回払ﾎﾞ" : "回払月");
    s += format_money(l.instalment, 13) + (l.equal_principal ? "(含通算第" : "(内通算第") +
         format_int(l.payment_number, 4) + (l.equal_principal ? "回目元利＝" : "回目利息＝") +
         format_money(l.last_interest, 13);
    s += "）この" + format_fixed(l.payments, 4, 0) + "回小計=" + format_money(l.interest, 13) +
         format_money(l.principal_repaid, 13) + "　" + format_money(l.balance, 13);
    if (l.bonus) s += "  " + format_int(l.bonus_month, 4);
    return s;
}

std::string prepayment_line_with_payment(int payment_number, Money prepaid, Money next_principal) {
    return "　　　　内入れ返済－－同時－－　　　　　　　　　　　　　　　　　　　　　　　　" +
           format_int(payment_number, 4) + "回目返済と同時に別途内入れ返済・・・" +
           format_money(prepaid, 13) + "　" + format_money(next_principal, 13);
}

std::string prepayment_line_later(Money paid_total, int payment_number, std::int64_t gap,
                                  const std::string& gap_unit, Money gap_interest, Money prepaid,
                                  Money next_principal) {
    return "　　　　内入れ返済－－時差－－　　総額=" + format_money(paid_total, 13) + " 　" +
           format_int(payment_number, 4) + "回目返済の" + format_int(gap, 3) + gap_unit +
           "に別途内入返済／利息　元入れ=" + format_money(gap_interest, 13) +
           format_money(prepaid, 13) + "　" + format_money(next_principal, 13);
}

std::string totals_line(bool bonus, Money interest, Money principal, Money paid,
                        Money next_principal) {
    return "ここまで 支払利息合計=" + format_money(interest) +
           " 元入額合計=" + format_money(principal) +
           (bonus ? " ﾎﾞｰﾅｽ時返済額合計=" : " 月々返済額合計=") + format_money(paid) +
           " となりました。さらに元金残" + format_money(next_principal) +
           " 返済で完済［総返済額=" + format_money(paid + next_principal) + " ］";
}

std::string standard_band(bool equal_principal) {
    return equal_principal
               ? "年+ｹ月+---------元金+-年金利+--支払回数+--均等元金額(含--------------------1回分"
                 "返済金額)+----------------支払利息小計+--元入額小計+--------新元金+"
               : "年+ｹ月+---------元金+-年金利+--支払回数+--均等返済額(内--------------------1回分"
                 "利息内訳)+----------------支払利息小計+--元入額小計+--------新元金+";
}

}  // namespace rebanto
