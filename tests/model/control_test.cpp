// Controls: change events, clicks, radio groups, key filtering.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/control.h"
#include "model/form.h"

namespace rebanto {
namespace {

class TestForm : public Form {
public:
    TestForm() : Form("TestForm", "テスト") {}
    Edit edit{*this, "Edit1", "100"};
    Label label{*this, "Label1", "年"};
    Button button{*this, "Button1", "メモ記載"};
    CheckBox check{*this, "CheckBox1", "常時"};
    Panel group_a{*this, "GroupA"};
    Panel group_b{*this, "GroupB"};
    RadioButton a1{*this, "A1"};
    RadioButton a2{*this, "A2"};
    RadioButton b1{*this, "B1"};
    TrackBar track{*this, "TrackBar1"};
    PageControl pages{*this, "Pages"};
    Panel page1{*this, "Page1", "一括表"};
    Panel page2{*this, "Page2", "個別返済額算定"};
};

TEST(EditChange, FiresOnlyWhenTheTextActuallyChanges) {
    TestForm f;
    int changes = 0;
    f.edit.on_change = [&](Control&) { ++changes; };
    f.edit.set_text("100");
    EXPECT_EQ(changes, 0);
    f.edit.set_text("200");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.edit.text(), "200");
}

TEST(EditChange, HandlerSeesTheNewTextAndCanRewriteIt) {
    TestForm f;
    std::vector<std::string> seen;
    f.edit.on_change = [&](Control& c) {
        seen.push_back(c.text());
        if (c.text() == "1200") f.edit.set_text("1000");  // a cap written back in place
    };
    f.edit.set_text("1200");
    EXPECT_EQ(f.edit.text(), "1000");
    EXPECT_EQ(seen, (std::vector<std::string>{"1200", "1000"}));
}

TEST(LabelCaption, ChangingACaptionFiresNoChangeEvent) {
    TestForm f;
    int changes = 0;
    f.label.on_change = [&](Control&) { ++changes; };
    f.label.set_caption("ヶ月");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(f.label.caption(), "ヶ月");
}

TEST(Clicks, DoubleClickDeliversTheClickFirst) {
    TestForm f;
    std::string order;
    f.label.on_click = [&](Control&) { order += "c"; };
    f.label.on_dbl_click = [&](Control&) { order += "d"; };
    f.label.dbl_click();
    EXPECT_EQ(order, "cd");
}

TEST(Clicks, DisabledButtonIgnoresClicks) {
    TestForm f;
    int clicks = 0;
    f.button.on_click = [&](Control&) { ++clicks; };
    f.button.set_enabled(false);
    f.button.click();
    EXPECT_EQ(clicks, 0);
    f.button.set_enabled(true);
    f.button.click();
    EXPECT_EQ(clicks, 1);
}

TEST(Clicks, RightClickRunsOnlyTheRightClickHandler) {
    TestForm f;
    std::string order;
    f.label.on_click = [&](Control&) { order += "c"; };
    f.label.on_right_click = [&](Control&) { order += "r"; };
    f.label.right_click();
    EXPECT_EQ(order, "r");
}

TEST(CheckBoxes, ClickTogglesAndProgramChangesFireTheHandler) {
    TestForm f;
    int clicks = 0;
    f.check.on_click = [&](Control&) { ++clicks; };
    f.check.click();
    EXPECT_TRUE(f.check.checked());
    f.check.set_checked(true);  // no change, no event
    EXPECT_EQ(clicks, 1);
    f.check.set_checked(false);
    EXPECT_FALSE(f.check.checked());
    EXPECT_EQ(clicks, 2);
}

TEST(RadioGroups, CheckingOneUnchecksOnlyItsSiblings) {
    TestForm f;
    f.a1.set_parent(&f.group_a);
    f.a2.set_parent(&f.group_a);
    f.b1.set_parent(&f.group_b);
    f.a1.set_checked(true);
    f.b1.set_checked(true);
    f.a2.click();
    EXPECT_FALSE(f.a1.checked());
    EXPECT_TRUE(f.a2.checked());
    EXPECT_TRUE(f.b1.checked()) << "another group keeps its choice";
}

TEST(RadioGroups, HandlerRunsWhenCheckedAndWhenACheckedButtonIsClicked) {
    TestForm f;
    f.a1.set_parent(&f.group_a);
    f.a2.set_parent(&f.group_a);
    int clicks = 0;
    f.a1.on_click = [&](Control&) { ++clicks; };
    f.a1.set_checked(true);
    EXPECT_EQ(clicks, 1);
    f.a1.click();
    EXPECT_EQ(clicks, 2);
    f.a2.set_checked(true);  // unchecking a1 runs nothing on it
    EXPECT_EQ(clicks, 2);
}

TEST(Keys, FilterCanDropAKeyAndTheTextStays) {
    TestForm f;
    f.edit.on_key = [](Control&, char32_t& key) {
        if (key == U'x') key = 0;
    };
    EXPECT_FALSE(f.edit.key_press(U'x'));
    EXPECT_EQ(f.edit.text(), "100");
    EXPECT_TRUE(f.edit.key_press(U'5'));
    EXPECT_EQ(f.edit.text(), "1005");
}

TEST(Keys, BackspaceRemovesAWholeCharacterAndEnterAddsNothing) {
    TestForm f;
    f.edit.set_text("12円");
    f.edit.key_press(U'\b');
    EXPECT_EQ(f.edit.text(), "12");
    f.edit.key_press(U'\r');
    EXPECT_EQ(f.edit.text(), "12");
    f.edit.key_press(U'％');
    EXPECT_EQ(f.edit.text(), "12％");
}

TEST(Visibility, ControlInAHiddenContainerIsNotShowing) {
    TestForm f;
    f.a1.set_parent(&f.group_a);
    EXPECT_TRUE(f.a1.showing());
    f.group_a.hide();
    EXPECT_TRUE(f.a1.visible());
    EXPECT_FALSE(f.a1.showing());
}

TEST(TrackBars, PositionIsClampedAndChangesFireTheHandler) {
    TestForm f;
    int changes = 0;
    f.track.on_change = [&](Control&) { ++changes; };
    f.track.set_range(0, 420);
    f.track.set_position(500);
    EXPECT_EQ(f.track.position(), 420);
    EXPECT_EQ(changes, 1);
    f.track.set_range(0, 120);  // shrinking the range moves the slider in
    EXPECT_EQ(f.track.position(), 120);
    EXPECT_EQ(f.track.value_text(), "120");
}

TEST(Pages, SwitchingRunsTheLeavingPageExitAndTheChangeHandler) {
    TestForm f;
    f.pages.add_page(f.page1);
    f.pages.add_page(f.page2);
    std::string order;
    f.page1.on_exit = [&](Control&) { order += "x"; };
    f.pages.on_change = [&](Control&) { order += "c"; };
    f.pages.set_active_page(f.page2);
    EXPECT_EQ(order, "xc");
    EXPECT_EQ(f.pages.value_text(), "個別返済額算定");
    f.pages.set_active_index(7);  // no such page: nothing happens
    EXPECT_EQ(f.pages.active_index(), 1);
}

}  // namespace
}  // namespace rebanto
