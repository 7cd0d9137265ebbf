#pragma once
// The comparison window: sums and differences of stored schedules. Its grids exist from
// start-up so that the current-tables window can write their header rows.
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class TFormHi : public Form {
public:
    TFormHi()
        : Form("TFormHi",
               "比較表－カレント両表の５記憶を加算・減算比較　  (＋長短複数融資の繰上効果の検証)") {
        set_bounds(120, 120, 760, 520);
    }
    Grid StringGrid1{*this, "StringGrid1", 2, 12, 1, 3};
    Grid StringGrid2{*this, "StringGrid2", 2, 12, 1, 3};
    Grid StringGrid3{*this, "StringGrid3", 2, 12, 1, 3};
    // Raised while the navigator rewrites the current tables: the window does not follow
    // them until the replay is done.
    bool ReplayBusy = false;
};

}  // namespace rebanto
