#pragma once
// A page of the main window, or a panel of one: it owns its controls, registered with the
// main window under their given names, and the routines that work on them. What a page
// shares with the rest of the window (the basic inputs, the other pages) it reaches
// through the window.

#include "forms/guard.h"

namespace rebanto {

class App;
class Form;
class TForm1;

class MainPage {
public:
    MainPage(const MainPage&) = delete;
    MainPage& operator=(const MainPage&) = delete;

protected:
    explicit MainPage(TForm1& main);
    ~MainPage() = default;

    App& app() const;
    // A routine of the window (or of any of its pages) wrapped as an event handler.
    Handler guard(void (TForm1::*routine)(Control&), FailureRule rule = FailureRule::Window) const;

    // The window the page sits in.
    TForm1& main_;
    // Where the page's controls register: the main window's form.
    Form& form_;
};

}  // namespace rebanto
