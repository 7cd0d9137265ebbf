// The comparison window's wishes about the current tables.
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// While the navigator replays the current tables the comparison window asks that the
// rows selected in them stay where they are: a commit does not move them to the end.
bool TForm1::compare_keeps_selection() {
    return app_.compare.ReplayBusy;
}

}  // namespace rebanto
