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
    bool may_be_empty;  // the calculation reads an empty text as 0 or leaves it alone
};

struct BadInput {
    const Edit* field;
    std::string caption;
};

// The fields whose text does not read as a number, in the order given.
std::vector<BadInput> bad_inputs(const std::vector<CheckedField>& fields);

// What the status bar says about them: the first field by name with its text, and how many
// more there are; empty when every field reads.
std::string bad_input_status(const std::vector<BadInput>& bad);

// The basic settings and the fields of the page "個別返済額算定" the calculation reads.
std::vector<CheckedField> calculation_inputs(const TForm1& f);
// The fields that show the calculation's results: stale while an input is bad.
std::vector<const Edit*> calculation_results(const TForm1& f);

}  // namespace rebanto
