#include "core/memo_lines.h"

#include "base/format.h"

namespace rebanto {

std::string period_line(const PeriodLine& l) {
    std::string s;
    s.reserve(192);
    if (l.bonus) {
        append_int(s, l.bonus_month / 12, 2);
        s += ' ';
        append_int(s, l.bonus_month % 12, 2);
    } else {
        append_general(s, l.years, 2);
        s += ' ';
        append_general(s, l.months, 2);
    }
    s += "  ";
    append_money(s, l.principal, 13);
    append_fixed(s, l.rate, 7, 3);
    s += "% ";
    append_fixed(s, l.remaining, 4, 0);
    s += l.bonus ? "回払ﾎﾞ" : "回払月";
    append_money(s, l.instalment, 13);
    s += l.equal_principal ? "(含通算第" : "(内通算第";
    append_int(s, l.payment_number, 4);
    s += l.equal_principal ? "回目元利＝" : "回目利息＝";
    append_money(s, l.last_interest, 13);
    s += "）この";
    append_fixed(s, l.payments, 4, 0);
    s += "回小計=";
    append_money(s, l.interest, 13);
    append_money(s, l.principal_repaid, 13);
    s += "　";
    append_money(s, l.balance, 13);
    if (l.bonus) {
        s += "  ";
        append_int(s, l.bonus_month, 4);
    }
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
