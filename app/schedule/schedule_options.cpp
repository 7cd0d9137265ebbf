#include "schedule/schedule_options.h"

#include <charconv>
#include <map>

#include "base/errors.h"
#include "base/numtext.h"

namespace rebanto::schedule {

namespace {

// A number the engine reads from a field: what a user could type there.
std::string number_of(const std::string& option, const std::string& text, long double min,
                      long double max) {
    long double value = 0;
    try {
        value = to_extended(text);
    } catch (const ConversionError&) {
        throw OptionError(option + ": 「" + text + "」は数値ではありません (not a number)");
    }
    if (!(value >= min && value <= max)) {
        throw OptionError(option + ": 「" + text + "」は範囲外です (out of range)");
    }
    return text;
}

long long whole_of(const std::string& option, const std::string& text, long long min,
                   long long max) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        throw OptionError(option + ": 「" + text + "」は" + std::to_string(min) + "～" +
                          std::to_string(max) + "の整数で指定して下さい (a whole number in range)");
    }
    return value;
}

int rounding_of(const std::string& option, const std::string& word) {
    static const std::map<std::string, int> modes = {{"down", 0}, {"half", 1}, {"up", 2}};
    const auto it = modes.find(word);
    if (it == modes.end()) {
        throw OptionError(option + ": 「" + word + "」は down, half, up のいずれかです");
    }
    return it->second;
}

// MONTH:AMOUNT[:shorten|lower]
Prepayment prepayment_of(const std::string& text) {
    const std::string option = "--prepay";
    const auto first = text.find(':');
    if (first == std::string::npos) {
        throw OptionError(option + ": 「" + text +
                          "」は 月回:金額[:shorten|lower] で指定して下さい");
    }
    const auto second = text.find(':', first + 1);
    Prepayment p;
    p.month = whole_of(option, text.substr(0, first), 1, 12'000);
    p.amount = number_of(option,
                         text.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                            : second - first - 1),
                         -10'000'000'000.0L, 10'000'000'000.0L);
    if (second != std::string::npos) {
        const std::string mode = text.substr(second + 1);
        if (mode == "shorten") {
            p.shorten = true;
        } else if (mode == "lower") {
            p.shorten = false;
        } else {
            throw OptionError(option + ": 「" + mode + "」は shorten か lower です");
        }
    }
    return p;
}

}  // namespace

Request parse(const std::vector<std::string>& args) {
    Request r;
    bool principal = false, rate = false, years = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            r.help = true;
            continue;
        }
        if (option.rfind("--", 0) != 0)
            throw OptionError(option + ": 不明な引数です (unknown argument)");
        if (i + 1 >= args.size()) throw OptionError(option + ": 値がありません (missing value)");
        const std::string& value = args[++i];
        if (option == "--principal") {
            r.principal = number_of(option, value, 1, 10'000'000'000.0L);
            principal = true;
        } else if (option == "--rate") {
            r.rate = number_of(option, value, 0, 1000);
            rate = true;
        } else if (option == "--years") {
            r.years = std::to_string(whole_of(option, value, 0, 1000));
            years = true;
        } else if (option == "--months") {
            r.months = std::to_string(whole_of(option, value, 0, 11'999));
        } else if (option == "--bonus-share") {
            r.bonus_share = number_of(option, value, 0, 100);
        } else if (option == "--method") {
            if (value == "equal-instalment") {
                r.equal_principal = false;
            } else if (value == "equal-principal") {
                r.equal_principal = true;
            } else {
                throw OptionError(option + ": 「" + value +
                                  "」は equal-instalment か equal-principal です");
            }
        } else if (option == "--step") {
            r.step = std::to_string(whole_of(option, value, 1, 12'000));
        } else if (option == "--rounding") {
            const auto comma = value.find(',');
            r.instalment_rounding = rounding_of(option, value.substr(0, comma));
            r.interest_rounding = comma == std::string::npos
                                      ? r.instalment_rounding
                                      : rounding_of(option, value.substr(comma + 1));
        } else if (option == "--unit") {
            const long long unit = whole_of(option, value, 1, 10'000);
            if (unit != 1 && unit != 10 && unit != 100 && unit != 1000 && unit != 10000) {
                throw OptionError(option + ": 付利単位は 1, 10, 100, 1000, 10000 のいずれかです");
            }
            r.accrual_unit = unit;
        } else if (option == "--prepay") {
            r.prepayments.push_back(prepayment_of(value));
        } else if (option == "--format") {
            if (value == "csv")
                r.format = Format::Csv;
            else if (value == "tsv")
                r.format = Format::Tsv;
            else if (value == "json")
                r.format = Format::Json;
            else
                throw OptionError(option + ": 「" + value + "」は csv, tsv, json のいずれかです");
        } else if (option == "--part") {
            if (value == "monthly")
                r.part = Part::Monthly;
            else if (value == "bonus")
                r.part = Part::Bonus;
            else if (value == "both")
                r.part = Part::Both;
            else
                throw OptionError(option + ": 「" + value +
                                  "」は monthly, bonus, both のいずれかです");
        } else if (option == "--encoding") {
            if (value == "utf-8" || value == "utf8")
                r.encoding = Encoding::Utf8;
            else if (value == "cp932")
                r.encoding = Encoding::Cp932;
            else
                throw OptionError(option + ": 「" + value + "」は utf-8 か cp932 です");
        } else {
            throw OptionError(option + ": 不明なオプションです (unknown option)");
        }
    }
    if (r.help) return r;
    if (!principal) throw OptionError("--principal: 指定が必要です (required)");
    if (!rate) throw OptionError("--rate: 指定が必要です (required)");
    if (!years) throw OptionError("--years: 指定が必要です (required)");
    const long long term = std::stoll(r.years) * 12 + std::stoll(r.months);
    if (term < 1 || term > 12'000) throw OptionError("--years: 返済期間がありません (no term)");
    for (const Prepayment& p : r.prepayments) {
        if (p.month >= term) {
            throw OptionError(
                "--prepay: 月回 " + std::to_string(p.month) +
                " は返済期間内の最終回より前で指定して下さい (month beyond the term)");
        }
    }
    return r;
}

const char* usage() {
    return "使い方: rebanto-schedule --principal 元金 --rate 年金利% --years 年 [オプション]\n"
           "Usage:  rebanto-schedule --principal AMOUNT --rate PERCENT --years YEARS [options]\n"
           "\n"
           "  --months N            返済期間の月数 / extra months of the term (0)\n"
           "  --bonus-share P       ボーナス分返済割合% / bonus share in percent (0)\n"
           "  --method M            equal-instalment (元利均等) | equal-principal (元金均等)\n"
           "  --step N              1行の月数 / months per row (1)\n"
           "  --rounding I[,R]      均等額[,利息]の丸め / instalment[,interest] rounding:\n"
           "                        down (切り捨て) | half (四捨五入) | up (切り上げ) (down,down)\n"
           "  --unit U              付利単位 / accrual unit: 1, 10, 100, 1000, 10000 (100)\n"
           "  --prepay M:A[:K]      月回Mの返済と同時に金額Aを繰上返済（負は借り増し）。K = "
           "shorten\n"
           "                        (期間短縮) | lower (返済額軽減); repeatable / a prepayment of "
           "A\n"
           "                        with the instalment of month M (negative: more borrowed)\n"
           "  --format F            csv | tsv | json (csv)\n"
           "  --part P              monthly | bonus | both (both)\n"
           "  --encoding E          utf-8 | cp932 (utf-8)\n"
           "  --help                この説明 / this text\n"
           "\n"
           "終了コード / exit codes: 0 成功 / success, 1 入力の誤り / bad input, 2 計算の失敗 / "
           "the\n"
           "calculation failed.\n";
}

}  // namespace rebanto::schedule
