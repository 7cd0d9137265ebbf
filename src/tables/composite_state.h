#pragma once
// Everything the composite page holds, kept before a work that changes it in several
// steps, so that a step that fails leaves the composites as they were.
#include "forms/tform1.h"
#include "tables/composite_rows.h"

namespace rebanto {

class CompositeState {
public:
    explicit CompositeState(TForm1& form);
    void restore();

private:
    TForm1& form_;
    composite::Rows monthly_;
    composite::Rows bonus_;
    int count_m_;
    int count_b_;
    bool monthly_on_;
    bool bonus_on_;
    bool merge_on_;
    bool both_on_;
    bool totals_on_;
};

}  // namespace rebanto
