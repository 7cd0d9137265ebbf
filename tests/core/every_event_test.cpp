// Every control of every window, every event a user can raise, with the fields full of
// text that is no number: no handler lets anything escape into the toolkit or the runner.
#include "app_fixture.h"
#include "model/grid.h"

namespace rebanto {
namespace {

using testing::AppTest;

void raise_every_event(Control& c) {
    c.click();
    c.dbl_click();
    c.right_click();
    c.enter();
    c.exit();
    c.hover();
    c.key_press(U'7');
    c.key_press(U'\b');
    if (auto* grid = dynamic_cast<Grid*>(&c); grid != nullptr && grid->row_count() > 1) {
        grid->click_cell(1, 1);
        grid->edit_cell(1, 1, "x");
    }
}

class EveryEvent : public AppTest {
protected:
    void walk(const char* spoil) {
        for (Form* form : app.forms()) {
            for (Control* c : form->controls()) {
                if (dynamic_cast<Edit*>(c) != nullptr) {
                    EXPECT_NO_THROW(c->set_text(spoil)) << form->name() << "." << c->name();
                }
            }
        }
        for (Form* form : app.forms()) {
            for (Control* c : form->controls()) {
                EXPECT_NO_THROW(raise_every_event(*c)) << form->name() << "." << c->name();
            }
        }
    }
};

TEST_F(EveryEvent, NoHandlerLetsAFailureEscapeFromAFreshStart) {
    walk("x");
    EXPECT_FALSE(platform.take_log().empty()) << "the failures were reported";
}

TEST_F(EveryEvent, NoHandlerLetsAFailureEscapeWithTablesAndHugeValues) {
    f1.Ed0_moto.set_text("30000000");
    f1.Ed0_nen.set_text("35");
    f1.Ed0_wari.set_text("20");
    f1.Button18.click();
    app.cur.Button81.click();
    walk("9e999");
}

}  // namespace
}  // namespace rebanto
