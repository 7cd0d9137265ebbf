// The variable-rate list and the plan choices of the batch-table page, as other pages
// reach them.
#include "forms/tform1.h"
#include "schedules/rate_list_grid.h"

namespace rebanto {

// The variable-rate list starts at the loan's rate: its first cell and the first line of
// the mirror, so that opening the list keeps it.
void TForm1::set_rate_list_start(const std::string& rate) {
    StringGrid6.set_cell(rate_list::row_of(0), rate_list::col_of(0), rate);
    std::vector<std::string> lines = Memo1.lines();
    if (lines.empty()) lines.resize(1);
    if (lines[0] == rate) return;
    lines[0] = rate;
    Memo1.set_lines(std::move(lines));
}

// Equal principal has no eased corporation plan: the normal plan is selected and the
// eased choice hidden (the eased summary button stays, to say why it does not run).
void TForm1::select_normal_plan_only() {
    RadioButton9.set_checked(true);
    RadioButton10.hide();
}

}  // namespace rebanto
