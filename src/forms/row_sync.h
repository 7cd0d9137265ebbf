#pragma once
// Row synchronisation: a click on a row of any schedule grid selects, in every other
// schedule grid, the first row with the same month number (column 0).
#include <map>

#include "model/grid.h"

namespace rebanto {

class RowSync {
public:
    // Grids are visited in ascending `order`; each is searched from `first_row` on.
    void add(Grid& grid, int order, int first_row);
    void sync(const Grid& clicked);

private:
    struct Entry {
        Grid* grid;
        int first_row;
    };
    std::multimap<int, Entry> grids_;
    bool running_ = false;
};

}  // namespace rebanto
