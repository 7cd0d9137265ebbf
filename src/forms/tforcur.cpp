#include "forms/tforcur.h"

namespace rebanto {

TForCur::TForCur(App& app) : Form("TForCur", "カレント両表"), app_(app) {
    set_bounds(538, 459, 587, 442);
    StGr1.set_hint("カレント月返済表");
    StGr2.set_hint("カレントボーナス返済表");
}

}  // namespace rebanto
