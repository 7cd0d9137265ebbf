#pragma once
// The numbers in the cells of the schedule grids. A cell that is not the number asked
// for stops the work with an error naming the window, the grid, the row and the column.
#include "base/money.h"
#include "model/grid.h"

namespace rebanto {

// A decimal amount in extended precision.
long double amount_in(const Grid& table, int row, int col);
// The cell as money (ten-thousandths, ties to even); beyond the range of money it is no
// amount either.
Money money_in(const Grid& table, int row, int col);
// A month number: a whole number no schedule goes beyond.
long month_in(const Grid& table, int row, int col = 0);

}  // namespace rebanto
