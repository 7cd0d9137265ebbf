// The current tables' header row and cleared settings row.
#include <vector>

#include "app_fixture.h"
#include "base/field_at.h"
#include "core/schedule_table.h"

namespace rebanto {
namespace {

using testing::AppTest;

const std::vector<std::string> kInstalmentHeader{
    "月回",      "年",         "月",      "元金",     "年金利",   "支払回数", "均等返済額 ",
    "(通算回目", "利息内訳) ", "1期回数", "利息小計", "元入小計", "新元金",   ""};

TEST_F(AppTest, BothCurrentTablesStartWithHeaderAndClearedSettingsRow) {
    for (const Grid* table : {&app.cur.StGr1, &app.cur.StGr2}) {
        ASSERT_EQ(table->row_count(), 2) << table->name();
        EXPECT_EQ(table->col_count(), 14);
        EXPECT_EQ(table->row_cells(0), kInstalmentHeader);
        EXPECT_EQ(table->cell(1, 8), "************");
        EXPECT_EQ(table->cell(1, 6), "");
        EXPECT_EQ(table->cell(1, 13), "T･6･6･64･･･････････････････････････");
    }
}

TEST(ScheduleTable, SettingsStringHasThirtyOneFields) {
    const std::string s = bonus_settings_string(4, 3);
    EXPECT_EQ(split_fields(s).size(), 31u);
    EXPECT_EQ(field_at(s, 0), "T");
    EXPECT_EQ(field_at(s, 1), "4");
    EXPECT_EQ(field_at(s, 2), "3");
    EXPECT_EQ(field_at(s, 3), "64");
    EXPECT_EQ(field_at(s, 30), "");
}

TEST(ScheduleTable, EqualPrincipalRelabelsColumnsSixAndEight) {
    const auto header = schedule_header(true);
    EXPECT_EQ(header[6], "均等元金額 ");
    EXPECT_EQ(header[8], "返済金額) ");
    EXPECT_EQ(header[5], kInstalmentHeader[5]);
    EXPECT_EQ(method_marker(true), "**元金均等**");
}

TEST(ScheduleTable, ResetDropsDataRowsAndRewritesTheSettingsRow) {
    class F : public Form {
    public:
        F() : Form("F", "") {}
        Grid g{*this, "G", 2, 14, 1, 3};
    } f;
    write_schedule_header(f.g, false);
    f.g.set_cell(1, 6, "70200");
    f.g.append_row({"6", "0", "6"});
    reset_schedule_table(f.g, true, 12, 3);
    EXPECT_EQ(f.g.row_count(), 2);
    EXPECT_EQ(f.g.cell(1, 6), "");
    EXPECT_EQ(f.g.cell(1, 8), "**元金均等**");
    EXPECT_EQ(field_at(f.g.cell(1, 13), 1), "12");
    EXPECT_EQ(f.g.cell(0, 0), "月回") << "the header stays";
}

}  // namespace
}  // namespace rebanto
