// The boundary between a user's event and the logic: the outermost handler's failure is
// reported to the form, handlers called from inside propagate to their caller.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {
namespace {

class BoundaryForm : public Form {
public:
    BoundaryForm() : Form("TForm9", "頭金") {
        failure_report = [this](std::exception_ptr failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const std::exception& e) {
                reported.push_back(e.what());
            } catch (...) {
                reported.push_back("?");
            }
        };
    }
    Edit edit{*this, "Edit1"};
    Button button{*this, "Button1"};
    Button inner{*this, "Button2"};
    TrackBar track{*this, "TrackBar1"};
    Grid grid{*this, "StringGrid1", 3, 3, 1, 1};
    std::vector<std::string> reported;
};

[[noreturn]] void fail(Control&) {
    throw std::runtime_error("boom");
}

TEST(EventBoundary, EveryKindOfEventEndsAtTheFormsReport) {
    BoundaryForm f;
    f.button.on_click = fail;
    f.button.on_dbl_click = fail;
    f.button.on_right_click = fail;
    f.button.on_enter = fail;
    f.button.on_exit = fail;
    f.button.on_mouse_over = fail;
    f.edit.on_change = fail;
    f.edit.on_key = [](Control&, char32_t&) { throw 7; };
    f.track.on_change = fail;
    f.grid.on_cell_edited = [](Grid&, int, int) { throw std::runtime_error("cell"); };
    EXPECT_NO_THROW(f.button.click());
    EXPECT_NO_THROW(f.button.dbl_click());  // a click, then the double click: two reports
    EXPECT_NO_THROW(f.button.right_click());
    EXPECT_NO_THROW(f.button.enter());
    EXPECT_NO_THROW(f.button.exit());
    EXPECT_NO_THROW(f.button.hover());
    EXPECT_NO_THROW(f.edit.set_text("x"));
    EXPECT_NO_THROW(f.edit.key_press(U'1'));  // the filter fails, then the typed text
    EXPECT_NO_THROW(f.track.set_position(3));
    EXPECT_NO_THROW(f.grid.edit_cell(1, 1, "9"));
    EXPECT_EQ(f.reported.size(), 12u);
    EXPECT_EQ(f.reported.back(), "cell");
    EXPECT_EQ(f.reported[8], "?") << "anything thrown, not only exceptions";
}

TEST(EventBoundary, AHandlerCalledFromAHandlerStopsItsCaller) {
    BoundaryForm f;
    bool after_inner = false;
    f.inner.on_click = fail;
    f.button.on_click = [&](Control&) {
        f.inner.click();  // as a routine presses another window's button
        after_inner = true;
    };
    f.button.click();
    EXPECT_FALSE(after_inner) << "the failure stops the operation where it stands";
    ASSERT_EQ(f.reported.size(), 1u) << "reported once, at the outermost event";
    // The next event is outermost again.
    f.inner.click();
    EXPECT_EQ(f.reported.size(), 2u);
}

TEST(EventBoundary, WithoutAReportFailuresReachTheCaller) {
    BoundaryForm f;
    f.failure_report = nullptr;
    f.button.on_click = fail;
    EXPECT_THROW(f.button.click(), std::runtime_error);
    f.button.on_click = [](Control&) {};
    EXPECT_NO_THROW(f.button.click()) << "the depth went back after the failure";
}

}  // namespace
}  // namespace rebanto
