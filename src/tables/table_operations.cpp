// Operations that need a current table to work on.
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// A commit enables the work on the table it wrote; clearing a table disables the work
// that needs it: its copy on the composite page and saving the tables.
void TForm1::enable_table_operations(bool monthly, bool on) {
    (monthly ? ButtonM : ButtonB).set_enabled(on);
    if (on) {
        Button88.set_enabled(true);
        app_.cur.Button88.set_enabled(true);
    } else {
        Button88.set_enabled(false);
    }
}

}  // namespace rebanto
