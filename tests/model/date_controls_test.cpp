// The date picker, the month calendar and the drop-down list as the logic drives them.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/form.h"

namespace rebanto {
namespace {

class Window : public Form {
public:
    Window() : Form("Window", "窓") {}
    DateTimePicker picker{*this, "DateTimePicker1", Date{2001, 5, 21}};
    MonthCalendar calendar{*this, "MonthCalendar1"};
    ComboBox kinds{*this, "ComboBox2", {"一般-固定金利", "金融公庫等-ゆとり返済", "変動"}};
};

TEST(DateControls, HoldTheirDateAsShortDateText) {
    Window w;
    EXPECT_EQ(w.picker.text(), "2001/05/21");
    EXPECT_EQ(w.picker.kind(), "DateTimePicker");
    w.picker.set_date(Date{2026, 12, 8});
    EXPECT_EQ(w.picker.text(), "2026/12/08");
    EXPECT_EQ(w.picker.date(), (Date{2026, 12, 8}));
    w.picker.set_text("no date");
    EXPECT_THROW(w.picker.date(), ConversionError);
}

TEST(DateControls, AChangedDateFiresTheChangeOnce) {
    Window w;
    int changes = 0;
    w.picker.on_change = [&](Control&) { ++changes; };
    w.picker.set_date(Date{2001, 5, 21});
    EXPECT_EQ(changes, 0);
    w.picker.set_date(Date{2001, 5, 22});
    EXPECT_EQ(changes, 1);
}

TEST(DateControls, ADoubleClickOnADayMovesTheCalendarFirst) {
    Window w;
    std::string seen;
    w.calendar.on_dbl_click = [&](Control& c) { seen = c.text(); };
    w.calendar.dbl_click_day(Date{2001, 6, 25});
    EXPECT_EQ(seen, "2001/06/25");
}

TEST(ComboBox, ChoosesAmongItsItems) {
    Window w;
    EXPECT_EQ(w.kinds.text(), "一般-固定金利");
    EXPECT_EQ(w.kinds.item_index(), 0);
    int changes = 0;
    w.kinds.on_change = [&](Control&) { ++changes; };
    w.kinds.set_item_index(2);
    EXPECT_EQ(w.kinds.text(), "変動");
    EXPECT_EQ(changes, 1);
    w.kinds.set_item_index(3);  // no such item
    EXPECT_EQ(w.kinds.item_index(), 2);
    w.kinds.set_text("金融公庫等-ゆとり返済");
    EXPECT_EQ(w.kinds.item_index(), 1);
    w.kinds.set_text("ほか");
    EXPECT_EQ(w.kinds.item_index(), -1);
}

}  // namespace
}  // namespace rebanto
