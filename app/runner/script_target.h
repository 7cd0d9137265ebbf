#pragma once
// What `print` and `expect` read, named as in a script:
//   Form                    the window caption
//   Form.Control            Control::value_text()
//   Form.Control.PROP       one property (see read_target)
//   Form.Grid[row,col]      one cell of a grid
//   Form.caption, Form.visible   the window's own caption and visibility, when the form
//                           has no control of that name
#include <string>

#include "forms/app.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

enum class Property {
    Value,
    Text,
    Caption,
    Tag,
    Enabled,
    Visible,
    Showing,
    Checked,
    Color,
    FontColor,
    Hint,
    Font,
};

struct Target {
    std::string spelling;  // as written in the script
    Form* form = nullptr;
    Control* control = nullptr;  // null: the window itself
    Property property = Property::Value;
    bool is_cell = false;
    int row = 0;
    int col = 0;
};

// Throws ScriptError naming an unknown form, control or property, or a malformed name.
Target find_target(const App& app, const std::string& spelling);
// A window named alone ("TForm1").
Form& find_form(const App& app, const std::string& spelling);
// A control named "Form.Control".
Control& find_control(const App& app, const std::string& spelling);

// A cell target that lies outside its grid has no value.
bool target_exists(const Target& target);
// The text `print` shows and `expect` compares. Throws ScriptError for what has no
// one-line value (a grid as a whole, `checked` of a control that cannot be checked).
std::string read_target(const Target& target);

// "TForm1.HRh (Edit)", for messages.
std::string describe(const Control& control);

}  // namespace rebanto
