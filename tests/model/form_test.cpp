// Forms: registration by name, observers, geometry.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "model/control.h"
#include "model/form.h"

namespace rebanto {
namespace {

class NamedForm : public Form {
public:
    NamedForm() : Form("TForm8", "第２返済の設定") {}
    Edit edit{*this, "Edit1", "6"};
    Button button{*this, "Button1", "設    定"};
};

TEST(FormRegistry, ControlsAreFoundByTheirGivenNames) {
    NamedForm f;
    EXPECT_EQ(f.find("Edit1"), &f.edit);
    EXPECT_EQ(f.find("Button1"), &f.button);
    EXPECT_EQ(f.find("edit1"), nullptr) << "names are exact";
    EXPECT_EQ(f.controls().size(), 2u);
}

TEST(FormRegistry, ADuplicateNameIsAProgrammingError) {
    NamedForm f;
    EXPECT_THROW(Edit(f, "Edit1"), std::logic_error);
}

TEST(FormObservers, RemovedObserversHearNothing) {
    NamedForm f;
    int heard = 0;
    const int id = f.add_observer([&](Control*, Change, int, int) { ++heard; });
    f.edit.set_text("4");
    EXPECT_EQ(heard, 1);
    f.remove_observer(id);
    f.edit.set_text("3");
    EXPECT_EQ(heard, 1);
}

TEST(FormObservers, FormChangesComeWithoutAControl) {
    NamedForm f;
    Control* seen = &f.edit;
    Change kind = Change::Text;
    f.add_observer([&](Control* c, Change change, int, int) {
        seen = c;
        kind = change;
    });
    f.show();
    EXPECT_EQ(seen, nullptr);
    EXPECT_EQ(kind, Change::Visible);
    f.set_size(500, 400);
    EXPECT_EQ(kind, Change::Geometry);
    EXPECT_EQ(f.width(), 500);
    EXPECT_EQ(f.height(), 400);
}

TEST(FormObservers, AnObserverOfSomeKindsHearsOnlyThose) {
    NamedForm f;
    std::vector<Change> heard;
    f.add_observer([&](Control*, Change change, int, int) { heard.push_back(change); },
                   {Change::Tag, Change::Enabled});
    f.edit.set_text("4");
    f.edit.set_tag(7);
    f.button.set_enabled(false);
    f.edit.set_visible(false);
    EXPECT_EQ(heard, (std::vector<Change>{Change::Tag, Change::Enabled}));
}

TEST(FormObservers, TheChangeCountMovesWithEveryChangeTold) {
    NamedForm f;
    const std::uint64_t start = f.change_count();
    f.edit.set_text("6");  // the text it has: nothing changes
    EXPECT_EQ(f.change_count(), start);
    f.edit.set_text("5");
    f.edit.set_tag(1);
    EXPECT_EQ(f.change_count(), start + 2);
}

// An observer that names its controls hears their changes of its kinds and nothing else;
// the others hear as before, and every change is still counted.
TEST(FormObservers, AnObserverOfSomeControlsHearsOnlyThose) {
    NamedForm f;
    Edit other(f, "Edit2");
    std::vector<std::pair<Control*, Change>> named;
    std::vector<Change> every;
    const int id =
        f.add_observer([&](Control* c, Change change, int, int) { named.emplace_back(c, change); },
                       {Change::Text, Change::Tag}, {&f.edit});
    const std::uint64_t start = f.change_count();
    f.edit.set_text("4");
    other.set_text("5");
    f.edit.set_visible(false);
    f.edit.set_tag(2);
    f.show();
    EXPECT_EQ(named, (std::vector<std::pair<Control*, Change>>{{&f.edit, Change::Text},
                                                               {&f.edit, Change::Tag}}));
    EXPECT_EQ(f.change_count(), start + 5);

    // One following every control joins it; the one naming the edit leaves alone.
    f.add_observer([&](Control*, Change change, int, int) { every.push_back(change); },
                   {Change::Text});
    other.set_text("6");
    f.edit.set_text("7");
    EXPECT_EQ(every, (std::vector<Change>{Change::Text, Change::Text}));
    EXPECT_EQ(named.size(), 3u);
    f.remove_observer(id);
    f.edit.set_text("8");
    f.edit.set_tag(3);
    EXPECT_EQ(named.size(), 3u);
    EXPECT_EQ(every.size(), 3u);
}

// Two observers naming the same control: removing one leaves the other hearing it.
TEST(FormObservers, AControlNamedTwiceIsHeardUntilBothAreGone) {
    NamedForm f;
    int first = 0;
    int second = 0;
    const int a =
        f.add_observer([&](Control*, Change, int, int) { ++first; }, {Change::Text}, {&f.edit});
    const int b = f.add_observer([&](Control*, Change, int, int) { ++second; }, {Change::Text},
                                 {&f.edit, &f.button});
    f.edit.set_text("1");
    f.remove_observer(a);
    f.edit.set_text("2");
    f.button.set_text("OK");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 3);
    f.remove_observer(b);
    f.edit.set_text("3");
    EXPECT_EQ(second, 3);
}

TEST(FormVisibility, CloseHidesByDefault) {
    NamedForm f;
    f.show();
    EXPECT_TRUE(f.visible());
    f.close();
    EXPECT_FALSE(f.visible());
}

}  // namespace
}  // namespace rebanto
