// Operations that need a current table to work on.
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// A commit enables the work on the table it wrote; clearing a table disables the work
// that needs it: its copy on the composite page and saving the tables. The current-tables
// window's own "保存" waits for the first recall of a memory.
void TForm1::enable_table_operations(bool monthly, bool on) {
    (monthly ? ButtonM : ButtonB).set_enabled(on);
    // Only a shown copy offers its copy work and the month shift again.
    if (!on) {
        (monthly ? ButtonM_C : ButtonB_C).set_enabled(false);
        Button43.set_enabled(false);
    }
    Button88.set_enabled(on);
    // The navigator works on whichever current table exists.
    const Grid& other = monthly ? app_.cur.StGr2 : app_.cur.StGr1;
    Button107.set_enabled(on || other.row_count() > kFirstDataRow);
}

}  // namespace rebanto
