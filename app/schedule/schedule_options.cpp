#include "schedule/schedule_options.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <regex>
#include <set>

#include "base/errors.h"
#include "base/numtext.h"

namespace rebanto::schedule {

namespace {

const std::set<std::string> kValueOptions = {
    "--principal", "--rate", "--years",  "--months", "--bonus-share", "--method",  "--step",
    "--rounding",  "--unit", "--prepay", "--format", "--part",        "--encoding"};
const std::set<std::string> kFlags = {"--help", "-h", "--version"};

std::string quoted(const std::string& text) {
    return "「" + text + "」";
}

// An amount as people write it: "1,000,000" is the plain "1000000". Grouping must be by
// threes, so "1,00" is not taken for a hundred.
std::string ungrouped(const std::string& text) {
    static const std::regex grouped(R"(-?[0-9]{1,3}(,[0-9]{3})+(\.[0-9]*)?)");
    if (!std::regex_match(text, grouped)) return text;
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    return plain;
}

// A percentage may carry its sign: "2.325%" is 2.325.
std::string without_percent(const std::string& text) {
    if (!text.empty() && text.back() == '%') return text.substr(0, text.size() - 1);
    return text;
}

// A number the engine reads from a field: what a user could type there.
std::string number_of(const std::string& option, const std::string& typed, long double min,
                      long double max, const std::string& text) {
    long double value = 0;
    try {
        value = to_extended(text);
    } catch (const ConversionError&) {
        throw OptionError(
            option, {quoted(typed) + "は数値ではありません", "\"" + typed + "\" is not a number"});
    }
    if (!(value >= min && value <= max)) {
        throw OptionError(option,
                          {quoted(typed) + "は範囲外です", "\"" + typed + "\" is out of range"});
    }
    return text;
}

std::string amount_of(const std::string& option, const std::string& typed, long double min,
                      long double max) {
    return number_of(option, typed, min, max, ungrouped(typed));
}

std::string percent_of(const std::string& option, const std::string& typed, long double max) {
    return number_of(option, typed, 0, max, without_percent(typed));
}

long long whole_of(const std::string& option, const std::string& text, long long min,
                   long long max) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        const std::string range = std::to_string(min) + "～" + std::to_string(max);
        throw OptionError(option, {quoted(text) + "は" + range + "の整数で指定して下さい",
                                   "\"" + text + "\" must be a whole number from " +
                                       std::to_string(min) + " to " + std::to_string(max)});
    }
    return value;
}

// One of a fixed list of words.
template <class Value>
Value choice_of(const std::string& option, const std::string& word,
                const std::vector<std::pair<std::string, Value>>& choices) {
    std::string list;
    for (const auto& [name, value] : choices) {
        if (name == word) return value;
        list += (list.empty() ? "" : ", ") + name;
    }
    throw OptionError(option, {quoted(word) + "は " + list + " のいずれかです",
                               "\"" + word + "\" must be one of " + list});
}

int rounding_of(const std::string& option, const std::string& word) {
    return choice_of<int>(option, word, {{"down", 0}, {"half", 1}, {"up", 2}});
}

// MONTH:AMOUNT[:shorten|lower]
Prepayment prepayment_of(const std::string& text) {
    const std::string option = "--prepay";
    const auto first = text.find(':');
    if (first == std::string::npos) {
        throw OptionError(option, {quoted(text) + "は 月回:金額[:shorten|lower] で指定して下さい",
                                   "\"" + text + "\" must be MONTH:AMOUNT[:shorten|lower]"});
    }
    const auto second = text.find(':', first + 1);
    Prepayment p;
    p.month = whole_of(option, text.substr(0, first), 1, 12'000);
    p.amount = amount_of(option,
                         text.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                            : second - first - 1),
                         -10'000'000'000.0L, 10'000'000'000.0L);
    if (second != std::string::npos) {
        p.shorten =
            choice_of<bool>(option, text.substr(second + 1), {{"shorten", true}, {"lower", false}});
    }
    return p;
}

void apply(Request& r, const std::string& option, const std::string& value) {
    if (option == "--principal") {
        r.principal = amount_of(option, value, 1, 10'000'000'000.0L);
    } else if (option == "--rate") {
        r.rate = percent_of(option, value, 1000);
    } else if (option == "--years") {
        r.years = std::to_string(whole_of(option, value, 0, 1000));
    } else if (option == "--months") {
        r.months = std::to_string(whole_of(option, value, 0, 11'999));
    } else if (option == "--bonus-share") {
        r.bonus_share = percent_of(option, value, 100);
    } else if (option == "--method") {
        r.equal_principal = choice_of<bool>(
            option, value, {{"equal-instalment", false}, {"equal-principal", true}});
    } else if (option == "--step") {
        r.step = std::to_string(whole_of(option, value, 1, 12'000));
    } else if (option == "--rounding") {
        const auto comma = value.find(',');
        r.instalment_rounding = rounding_of(option, value.substr(0, comma));
        r.interest_rounding = comma == std::string::npos
                                  ? r.instalment_rounding
                                  : rounding_of(option, value.substr(comma + 1));
    } else if (option == "--unit") {
        r.accrual_unit = choice_of<long long>(
            option, value, {{"1", 1}, {"10", 10}, {"100", 100}, {"1000", 1000}, {"10000", 10000}});
    } else if (option == "--prepay") {
        r.prepayments.push_back(prepayment_of(value));
    } else if (option == "--format") {
        r.format = choice_of<Format>(option, value,
                                     {{"csv", Format::Csv},
                                      {"tsv", Format::Tsv},
                                      {"json", Format::Json},
                                      {"table", Format::Table}});
    } else if (option == "--part") {
        r.part = choice_of<Part>(
            option, value,
            {{"monthly", Part::Monthly}, {"bonus", Part::Bonus}, {"both", Part::Both}});
    } else if (option == "--encoding") {
        r.encoding = choice_of<Encoding>(
            option, value,
            {{"utf-8", Encoding::Utf8}, {"utf8", Encoding::Utf8}, {"cp932", Encoding::Cp932}});
    }
}

void check_the_loan(const Request& r, bool principal, bool rate, bool years) {
    const Bilingual required{"指定が必要です", "is required"};
    if (!principal) throw OptionError("--principal", required);
    if (!rate) throw OptionError("--rate", required);
    if (!years) throw OptionError("--years", required);
    const long long term = std::stoll(r.years) * 12 + std::stoll(r.months);
    if (term < 1 || term > 12'000) {
        throw OptionError("--years", {"返済期間がありません", "the term is empty"});
    }
    // The window refuses a step longer than the term with a beep and computes nothing.
    if (const long long step = std::stoll(r.step); step > term) {
        const std::string months = std::to_string(term);
        throw OptionError("--step",
                          {quoted(r.step) + "は返済期間の " + months + " か月を超えています",
                           "\"" + r.step + "\" is longer than the term of " + months + " months"});
    }
    for (const Prepayment& p : r.prepayments) {
        if (p.month >= term) {
            throw OptionError(
                "--prepay",
                {"月回 " + std::to_string(p.month) + " は返済期間内の最終回より前で指定して下さい",
                 "month " + std::to_string(p.month) + " is not before the last month of the term"});
        }
    }
    if (r.format == Format::Json && r.encoding == Encoding::Cp932) {
        throw OptionError("--encoding", {"JSON は UTF-8 だけで出力します", "JSON is UTF-8 only"});
    }
}

}  // namespace

const char* rounding_word(int mode) {
    static const char* const words[] = {"down", "half", "up"};
    return mode >= 0 && mode <= 2 ? words[mode] : "down";
}

Request parse(const std::vector<std::string>& args) {
    Request r;
    bool principal = false, rate = false, years = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const auto equals = option.find('=');
            option.rfind("--", 0) == 0 && equals != 0 && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option = option.substr(0, equals);
        }
        if (kFlags.count(option)) {
            if (value) throw OptionError(option, {"値は取りません", "takes no value"});
            (option == "--version" ? r.version : r.help) = true;
            continue;
        }
        if (option.rfind("--", 0) != 0) {
            throw OptionError(option, {"不明な引数です", "unknown argument"});
        }
        if (!kValueOptions.count(option)) {
            throw OptionError(option, {"不明なオプションです", "unknown option"});
        }
        if (!value) {
            // An option right after an option: the value was left out.
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) {
                throw OptionError(option, {"値がありません", "missing value"});
            }
            value = args[++i];
        }
        apply(r, option, *value);
        principal = principal || option == "--principal";
        rate = rate || option == "--rate";
        years = years || option == "--years";
    }
    if (r.help || r.version) return r;
    check_the_loan(r, principal, rate, years);
    return r;
}

const char* usage(Language language) {
    if (language == Language::Japanese) {
        return "使い方: rebanto-schedule --principal 元金 --rate 年金利 --years 年 [オプション]\n"
               "\n"
               "  --months N            返済期間の月数 (0)\n"
               "  --bonus-share P       ボーナス分返済割合 % (0)\n"
               "  --method M            equal-instalment (元利均等) | equal-principal (元金均等)\n"
               "  --step N              1行の月数 (1)\n"
               "  --rounding I[,R]      均等額[,利息]の丸め: down (切り捨て) | half (四捨五入)\n"
               "                        | up (切り上げ) (down,down)\n"
               "  --unit U              付利単位: 1, 10, 100, 1000, 10000 (100)\n"
               "  --prepay M:A[:K]      月回Mの返済と同時に金額Aを繰上返済（負は借り増し）。\n"
               "                        K = shorten (期間短縮) | lower (返済額軽減)。繰り返し可\n"
               "  --format F            csv | tsv | json | table (csv)。table は貸し手の返済表\n"
               "  --part P              monthly | bonus | both (both)\n"
               "  --encoding E          utf-8 | cp932 (utf-8)\n"
               "  --version             版\n"
               "  --help                この説明\n"
               "\n"
               "金額は 1,000,000 のような桁区切りも、金利は 2.325% のような % 付きも可。\n"
               "--opt=値 の形も使えます。\n"
               "終了コード: 0 成功、1 入力の誤り、2 計算の失敗。\n";
    }
    return "Usage: rebanto-schedule --principal AMOUNT --rate PERCENT --years YEARS [options]\n"
           "\n"
           "  --months N            extra months of the term (0)\n"
           "  --bonus-share P       share of the principal repaid by bonuses, percent (0)\n"
           "  --method M            equal-instalment | equal-principal\n"
           "  --step N              months per row (1)\n"
           "  --rounding I[,R]      instalment[,interest] rounding: down | half | up "
           "(down,down)\n"
           "  --unit U              accrual unit: 1, 10, 100, 1000, 10000 (100)\n"
           "  --prepay M:A[:K]      a prepayment of A with the instalment of month M (negative:\n"
           "                        more borrowed); K = shorten | lower; repeatable\n"
           "  --format F            csv | tsv | json | table (csv); table is the lender-style\n"
           "                        schedule\n"
           "  --part P              monthly | bonus | both (both)\n"
           "  --encoding E          utf-8 | cp932 (utf-8)\n"
           "  --version             the version\n"
           "  --help                this text\n"
           "\n"
           "Amounts may be grouped (1,000,000) and percentages may end in %.\n"
           "--opt=value is accepted beside --opt value.\n"
           "Exit codes: 0 success, 1 bad input, 2 the calculation failed.\n";
}

}  // namespace rebanto::schedule
