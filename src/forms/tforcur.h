#pragma once
// "カレント両表": the current monthly and bonus tables.
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

class TForCur : public Form {
public:
    explicit TForCur(App& app);

    Grid StGr1{*this, "StGr1", 2, 14, 1, 3};  // current monthly table
    Grid StGr2{*this, "StGr2", 2, 14, 1, 3};  // current bonus table

private:
    App& app_;
};

}  // namespace rebanto
