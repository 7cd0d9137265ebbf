#include "forms/main_page.h"

#include "forms/tform1.h"

namespace rebanto {

// The window's Form base is built before any page, so its controls can register at once.
MainPage::MainPage(TForm1& main) : main_(main), form_(main) {}

App& MainPage::app() const {
    return main_.app();
}

Handler MainPage::guard(void (TForm1::*routine)(Control&), FailureRule rule) const {
    return main_.guard(routine, rule);
}

}  // namespace rebanto
