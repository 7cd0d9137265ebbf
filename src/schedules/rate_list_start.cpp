// The variable-rate list and the plan choices of the batch-table page.
#include "forms/tform1.h"

namespace rebanto {

// The variable-rate list starts at the loan's rate (its first cell); the list joins the
// batch-table page with the variable-rate schedules.
void TForm1::set_rate_list_start(const std::string&) {}

// Equal principal keeps only the normal corporation plan; the plan choices join the
// batch-table page with the corporation schedules.
void TForm1::select_normal_plan_only() {}

}  // namespace rebanto
