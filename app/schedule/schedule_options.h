#pragma once
// The command line of rebanto-schedule: a loan, its calculation settings, prepayments and
// how the schedule is printed. Each option is checked as it is read; the first that does
// not parse is named in the error.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rebanto::schedule {

// An option the loan cannot be computed with; the message names the option.
class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Format { Csv, Tsv, Json };
enum class Part { Monthly, Bonus, Both };
enum class Encoding { Utf8, Cp932 };

struct Prepayment {
    long long month = 0;
    std::string amount;   // as typed: negative borrows more
    bool shorten = true;  // the term shortens (instalments kept) or the instalment falls
};

struct Request {
    std::string principal;
    std::string rate;
    std::string years;
    std::string months = "0";
    std::string bonus_share = "0";
    bool equal_principal = false;
    std::string step = "1";       // months per row
    int instalment_rounding = 0;  // 0 down, 1 half up, 2 up
    int interest_rounding = 0;
    long long accrual_unit = 100;
    std::vector<Prepayment> prepayments;
    Format format = Format::Csv;
    Part part = Part::Both;
    Encoding encoding = Encoding::Utf8;
    bool help = false;
};

// Reads the arguments after the program name. Throws OptionError.
Request parse(const std::vector<std::string>& args);

// The usage text, in Japanese and in English.
const char* usage();

}  // namespace rebanto::schedule
