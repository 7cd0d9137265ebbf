#pragma once
// The secondary windows that have no controls of their own yet: each exists from start-up
// with its caption, shown and hidden, never destroyed.
#include "model/control.h"
#include "model/form.h"

namespace rebanto {

// Splash window shown while the program starts.
class TForm2 : public Form {
public:
    TForm2() : Form("TForm2", "Rebanto") { set_bounds(300, 250, 320, 120); }
    Label Label1{*this, "Label1", "立ち上げ中"};
};

#define REBANTO_SHELL_WINDOW(Class, Caption) \
    class Class : public Form {              \
    public:                                  \
        Class() : Form(#Class, Caption) {}   \
    }

REBANTO_SHELL_WINDOW(TForm18, "年金－月次返済特別算定");

#undef REBANTO_SHELL_WINDOW

}  // namespace rebanto
