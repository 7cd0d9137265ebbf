// The one-period calculation: the single entry point that every input of the page and
// every calculation setting runs.
#include "forms/tform1.h"

namespace rebanto {

// Recomputes the instalments and the current step for `sender`. The calculation itself
// is not built yet; callers already run it wherever a setting changes.
void TForm1::PRset1(Control&) {}

}  // namespace rebanto
