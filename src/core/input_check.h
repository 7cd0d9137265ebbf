#pragma once
// Inputs the one-period calculation cannot read. A field whose text is no number (or is
// empty where a number is needed) stops the calculation with a beep and leaves every
// result as it was; these say which fields those are, in words the status bar can show,
// so that the view marks them and shows the results that no longer match as stale.
#include <string>
#include <vector>

#include "model/control.h"

namespace rebanto {

class TForm1;

// A numeric field the calculation reads, with the name the user sees beside it.
struct CheckedField {
    const Edit* field;
    std::string caption;
    bool may_be_empty;    // the calculation reads an empty text as 0 or leaves it alone
    bool amount = false;  // an amount of yen: not negative, not above the amount limit
};

enum class InputProblem { NotANumber, Empty, Negative, TooLarge };

struct BadInput {
    const Edit* field;
    std::string caption;
    InputProblem problem = InputProblem::NotANumber;
};

// The fields whose text does not read as a number (or, for an amount, as a usable amount),
// in the order given.
std::vector<BadInput> bad_inputs(const std::vector<CheckedField>& fields);

// What the status bar says about them: the first field by name with its text, and how many
// more there are, then `consequence`; empty when every field reads.
inline constexpr const char* kStaleResults = "直すまで計算結果は前のままです（灰色表示）";
std::string bad_input_status(const std::vector<BadInput>& bad,
                             const std::string& consequence = kStaleResults);

// The basic settings and the fields of the page "個別返済額算定" the calculation reads.
std::vector<CheckedField> calculation_inputs(const TForm1& f);
// The fields that show the calculation's results: stale while an input is bad.
std::vector<const Edit*> calculation_results(const TForm1& f);

}  // namespace rebanto
