// The window placement record across runs and Loads: the zoom of the current tables stays
// within what it can reach, a Load applies the record again, and font sizes of windows the
// program does not build yet survive every save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/field_at.h"
#include "settings_fixture.h"

namespace rebanto {
namespace {

class Placement : public Settings {
protected:
    // A run whose record has `value` in field `index`.
    App& start_with_field(std::size_t index, const std::string& value) {
        start();
        auto lines = file();
        auto fields = split_fields(lines[45]);
        fields[index] = value;
        lines[45] = join_fields(fields);
        write(lines);
        return start();
    }
    std::string saved_field(std::size_t index) {
        app->main.Bt_save.click();
        return split_fields(file()[45])[index];
    }
};

// Column 3 of the monthly table is 74 pixels and rows 16 in the design; each step is
// trunc(w × 1.1 + 0.5) or trunc(w ÷ 1.1 + 0.5).
TEST_F(Placement, AHugeZoomCountIsReplayedAsFarAsTheZoomGoes) {
    struct Row {
        const char* recorded;
        int steps;
        int column3;
        int row_height;
    };
    for (const Row& row : {Row{"1000", 40, 3340, 747}, Row{"-1000", -30, 5, 5},
                           Row{"41", 40, 3340, 747}, Row{"5", 5, 119, 26}}) {
        App& a = start_with_field(43, row.recorded);
        EXPECT_TRUE(a.main.PlacementRestored) << row.recorded;
        EXPECT_EQ(a.cur.ZoomSteps, row.steps) << row.recorded;
        EXPECT_EQ(a.cur.StGr1.col_width(3), row.column3) << row.recorded;
        EXPECT_EQ(a.cur.StGr1.row_height(), row.row_height) << row.recorded;
        EXPECT_EQ(saved_field(43), std::to_string(row.steps)) << "the replayed count is saved";
    }
}

TEST_F(Placement, AZoomCountBeyondIntIsReplayedAsFarAsTheZoomGoes) {
    App& a = start_with_field(43, "9999999999");
    EXPECT_EQ(a.cur.ZoomSteps, 40);
    EXPECT_EQ(saved_field(43), "40");
}

TEST_F(Placement, LoadAppliesTheRecordAgain) {
    start();
    app->cur.set_bounds(300, 200, 640, 480);
    app->cur.Button3.click();
    app->cur.Button3.click();  // 74 → 81 → 89
    app->main.Bt_save.click();

    app->cur.set_bounds(10, 20, 500, 400);
    for (int i = 0; i < 3; ++i)
        app->cur.Button3.click();  // → 98 → 108 → 119
    app->main.Bt_load.click();
    EXPECT_TRUE(app->main.PlacementRestored);
    EXPECT_EQ(app->cur.left(), 300);
    EXPECT_EQ(app->cur.top(), 200);
    EXPECT_EQ(app->cur.width(), 640);
    EXPECT_EQ(app->cur.ZoomSteps, 2) << "back to the saved zoom, not two more on top";
    EXPECT_EQ(app->cur.StGr1.col_width(3), 89) << "119 → 108.2 → 98.2 → 89.1, rounded";
}

TEST_F(Placement, LoadWithRecordingOffLeavesTheWindowsWhereTheyAre) {
    start();
    app->main.CheckBox4.set_checked(false);
    app->main.Bt_save.click();
    app->cur.set_bounds(10, 20, 500, 400);
    app->main.Bt_load.click();
    EXPECT_EQ(app->cur.left(), 10);
    EXPECT_EQ(app->cur.top(), 20);
}

TEST_F(Placement, FontSizesOfWindowsStillToComeAreCarriedThrough) {
    start();
    app->main.Bt_save.click();
    auto lines = file();
    auto fields = split_fields(lines[45]);
    fields[29] = "14";
    fields[33] = "12";
    lines[45] = join_fields(fields);
    write(lines);
    start();
    EXPECT_EQ(saved_field(29), "14");
    EXPECT_EQ(saved_field(33), "12");
    start();  // and again in the next run
    EXPECT_EQ(saved_field(29), "14");
    EXPECT_EQ(saved_field(33), "12");
}

}  // namespace
}  // namespace rebanto
