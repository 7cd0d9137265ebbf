#pragma once
// The total principal and the bonus share as the user typed them. Editing a part's
// principal moves both along with it; putting them back goes round the calculation (its
// busy flag is raised), so the loan does not start again from them.
#include <string>

#include "forms/tform1.h"

namespace rebanto {

struct TypedTotals {
    std::string total;  // Ed0_moto
    std::string share;  // Ed0_wari

    static TypedTotals of(const TForm1& f) { return {f.Ed0_moto.text(), f.Ed0_wari.text()}; }

    void put_back(TForm1& f) const {
        f.Ed0_moto.set_tag(1);
        f.Ed0_moto.set_text(total);
        f.Ed0_wari.set_text(share);
        f.Ed0_moto.set_tag(0);
    }
};

}  // namespace rebanto
