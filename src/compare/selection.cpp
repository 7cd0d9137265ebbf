// The comparison window's wishes about the current tables.
#include "forms/tform1.h"

namespace rebanto {

// Whether the comparison window keeps its own row selection after a commit; it asks for
// that while it replays tables, which it cannot do yet.
bool TForm1::compare_keeps_selection() {
    return false;
}

}  // namespace rebanto
