#pragma once
// The quick-entry gestures of the main window's labels and fields, in words for a tooltip:
// a click, a right click or a double click changes an input by a step or to a preset,
// which a user cannot see without being told.
#include <string>
#include <utility>
#include <vector>

#include "model/control.h"

namespace rebanto {

class TForm1;

// Every control of the basic settings and the page "個別返済額算定" that has a gesture,
// with what its gestures do.
std::vector<std::pair<const Control*, std::string>> gesture_tips(const TForm1& f);

}  // namespace rebanto
