// The rate selection list opened beside the rate fields.
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// Shows the rate selection list next to a rate field; choosing a rate there writes it
// into the field once the list has its rows.
void TForm1::open_rate_list(Control&) {
    app_.rate_list.show();
}

// "MR" in the recalculation navigator; the navigator has no controls yet.
void TForm1::enable_navigator_recall(bool) {}

}  // namespace rebanto
