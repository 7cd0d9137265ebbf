// Operations that need a current table to work on.
#include "forms/tform1.h"

namespace rebanto {

// Enables viewing, saving, the navigator and the copy work once a table has rows; those
// operations join here as their windows are built.
void TForm1::enable_table_operations(bool) {}

}  // namespace rebanto
