#pragma once
// The command line of rebanto-schedule: a loan, its calculation settings, prepayments and
// how the schedule is printed. Each option is checked as it is read; the first that does
// not parse is named in the error.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "schedule/schedule_language.h"

namespace rebanto::schedule {

// An option the loan cannot be computed with; the message names the option. `what()` is
// the English text.
class OptionError : public std::runtime_error {
public:
    OptionError(const std::string& option, const Bilingual& text)
        : std::runtime_error(option + ": " + text.en), japanese_(option + ": " + text.ja) {}
    std::string in(Language language) const {
        return language == Language::Japanese ? japanese_ : std::string(what());
    }

private:
    std::string japanese_;
};

enum class Format { Csv, Tsv, Json, Table };
enum class Part { Monthly, Bonus, Both };
enum class Encoding { Utf8, Cp932 };

struct Prepayment {
    long long month = 0;
    std::string amount;   // plain decimal text: negative borrows more
    bool shorten = true;  // the term shortens (instalments kept) or the instalment falls
};

struct Request {
    std::string principal;  // plain decimal texts, as a field of the window takes them
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
    bool version = false;
};

// The words of the rounding modes, by mode.
const char* rounding_word(int mode);

// Reads the arguments after the program name. Throws OptionError.
Request parse(const std::vector<std::string>& args);

// The usage text in the given language.
const char* usage(Language language);

}  // namespace rebanto::schedule
