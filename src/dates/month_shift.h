#pragma once
// Month numbers of a current table moved by a whole number of months, the year and the
// month of each row following.
#include "model/grid.h"

namespace rebanto {

// The month or instalment number in a cell; far beyond any calendar it is refused
// (FieldValueError naming the cell) rather than overflowed.
long month_number(const Grid& table, int row, int column);

// Every month number is read before any is written, so a cell that is no number leaves
// the table as it was. The shift stops at the first row it would take to month 0 or
// below (false); the rows before it keep their new numbers.
bool shift_month_numbers(Grid& table, long shift);

}  // namespace rebanto
