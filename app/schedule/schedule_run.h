#pragma once
// The schedule of a loan as the window would build it: the loan typed into the main
// window's fields, run to the end with "最後まで", and each prepayment replayed by the
// recalculation navigator. No second engine: the same models as the program.
#include <stdexcept>
#include <string>
#include <vector>

#include "schedule/schedule_options.h"

namespace rebanto::schedule {

using Rows = std::vector<std::vector<std::string>>;

struct Tables {
    Rows monthly;  // the current monthly table, header and settings rows included
    Rows bonus;
};

// The calculation itself failed (its message says why). `what()` is the English text.
class CalculationError : public std::runtime_error {
public:
    explicit CalculationError(const Bilingual& text)
        : std::runtime_error(text.en), japanese_(text.ja) {}
    std::string in(Language language) const {
        return language == Language::Japanese ? japanese_ : std::string(what());
    }

private:
    std::string japanese_;
};

// Amounts left the range the calculation holds them in.
Bilingual overflow_message();

// Throws OptionError for a prepayment month no row ends in or a prepayment larger than the
// balance it pays, CalculationError otherwise.
Tables compute(const Request& request);

}  // namespace rebanto::schedule
