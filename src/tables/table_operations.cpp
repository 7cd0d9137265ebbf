// Operations that need a current table to work on.
#include "forms/tform1.h"

namespace rebanto {

// A commit enables the work on the table it wrote; clearing a table disables the work
// that needs it: its copy on the composite page and saving the tables. The current-tables
// window's own "保存" waits for the first recall of a memory.
void TForm1::enable_table_operations(bool monthly, bool on) {
    (monthly ? ButtonM : ButtonB).set_enabled(on);
    Button88.set_enabled(on);
}

}  // namespace rebanto
