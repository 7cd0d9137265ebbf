// Every quick-entry gesture of the main window is told in its control's tooltip.
#include "core/gesture_tips.h"

#include <set>

#include "app_fixture.h"

namespace rebanto::testing {
namespace {

class GestureTipsTest : public AppTest {};

TEST_F(GestureTipsTest, EveryListedControlHasAGesture) {
    for (const auto& [control, tip] : gesture_tips(f1)) {
        EXPECT_TRUE(control->on_click || control->on_dbl_click || control->on_right_click)
            << control->name();
        EXPECT_FALSE(tip.empty()) << control->name();
    }
}

TEST_F(GestureTipsTest, EveryStepLabelOfTheTermAndPrincipalIsListed) {
    std::set<std::string> names;
    for (const auto& [control, tip] : gesture_tips(f1))
        names.insert(control->name());
    for (const char* name : {"Label8", "Label19", "Label17", "Label18", "Label21", "Label22",
                             "Label23", "Label9", "Label10", "Ed0_nen", "Ed0_tuki", "Ed0_wari",
                             "Label4", "Label1", "Label3", "Label185", "Label24", "Label31"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
}

TEST_F(GestureTipsTest, TipSaysWhatTheRightClickDoes) {
    // The year label: a right click takes one year off a term longer than a year.
    for (const auto& [control, tip] : gesture_tips(f1)) {
        if (control != &f1.Label22) continue;
        EXPECT_NE(tip.find("右クリックで1年減"), std::string::npos);
        f1.Ed0_nen.set_text("10");
        f1.Label22.right_click();
        EXPECT_EQ(f1.Ed0_nen.text(), "9");
        return;
    }
    FAIL() << "Label22 is not listed";
}

}  // namespace
}  // namespace rebanto::testing
