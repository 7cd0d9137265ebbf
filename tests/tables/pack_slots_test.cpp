// Pack slots and pack lists: storing and recalling packs, the list file of 250 lines,
// manual packs loaded into a slot, all packs calculated and combined, and what bad files
// and cancelled dialogs leave behind.
#include <filesystem>

#include "base/linefile.h"
#include "composite_fixture.h"

namespace rebanto {
namespace {

using testing::CompositeTest;

class PackTest : public CompositeTest {
protected:
    // A small loan keeps the runs short: 3,000,000 yen at 2 % over 10 years.
    void small_loan(const std::string& title, const std::string& bonus_share) {
        title_ = title;
        f1.Ed0_moto.set_text("3000000");
        f1.Ed0_kin.set_text("2");
        f1.Ed0_nen.set_text("10");
        f1.Ed0_tuki.set_text("0");
        f1.Ed0_wari.set_text(bonus_share);
    }
    // Selecting an empty slot empties the title: it is typed after the selection.
    void store_in(int slot) {
        f1.select_slot(slot);
        f1.Edit67.set_text(title_);
        f1.Button78.click();
    }
    std::string title_;
    bool logged(const std::string& part) {
        for (const auto& line : platform.log()) {
            if (line.find(part) != std::string::npos) return true;
        }
        return false;
    }
};

TEST_F(PackTest, AListOfTwoSlotsIsWrittenAsTwoHundredFiftyLines) {
    small_loan("住宅A", "0");
    store_in(2);
    small_loan("住宅B", "20");
    store_in(5);
    EXPECT_TRUE(f1.PackListChanged);
    EXPECT_TRUE(f1.Button81.enabled());
    const std::string path = folder.file("two.krp");
    platform.queue_file(path);
    f1.Button81.click();
    EXPECT_FALSE(f1.PackListChanged);
    EXPECT_FALSE(f1.Button81.enabled());
    const auto lines = read_lines(path);
    ASSERT_EQ(lines.size(), 250u);
    for (int line : {0, 50, 75, 125, 150, 175, 200, 225})
        EXPECT_EQ(lines[line], "-") << line;
    EXPECT_EQ(lines[25], "1");
    EXPECT_EQ(lines[26], "住宅A");
    EXPECT_EQ(lines[27], "2");
    EXPECT_EQ(lines[100], "1");
    EXPECT_EQ(lines[101], "住宅B");
    EXPECT_EQ(lines[105], "2400000") << "slot 5, field 5: the monthly principal";
    EXPECT_EQ(lines[106], "600000");
    EXPECT_EQ(f1.packListFolder, (folder.path() / "").string());
}

TEST_F(PackTest, AListIsReadBackIntoTheSameSlots) {
    small_loan("住宅A", "0");
    store_in(2);
    small_loan("住宅B", "20");
    store_in(5);
    const std::string path = folder.file("two.krp");
    platform.queue_file(path);
    f1.Button81.click();
    f1.select_slot(2);
    f1.Button83.click();
    f1.select_slot(5);
    f1.Button83.click();
    EXPECT_EQ(f1.RadioButton105.caption(), "5");
    platform.queue_answer(true);  // read without recording the emptied slots
    platform.queue_file(path);
    f1.Button80.click();
    EXPECT_EQ(f1.RadioButton102.caption(), "住宅A");
    EXPECT_EQ(f1.RadioButton102.color(), Color::Black);
    EXPECT_EQ(f1.RadioButton105.caption(), "住宅B");
    EXPECT_EQ(f1.RadioButton101.caption(), "1");
    EXPECT_EQ(f1.RadioButton101.color(), Color::Gray);
    EXPECT_EQ(f1.PackSlots[5][6], "600000");
    EXPECT_FALSE(f1.PackListChanged);
    EXPECT_EQ(f1.Button78.tag(), 1);
    EXPECT_TRUE(f1.RadioButton101.checked());
}

TEST_F(PackTest, RecallPutsTheInputsBack) {
    small_loan("住宅B", "20");
    f1.MsEd8_yusi.set_text("2026/04/01");
    f1.ComboBox2.set_item_index(1);
    store_in(3);
    small_loan("別", "0");
    f1.MsEd8_yusi.set_text("2001/05/21");
    f1.ComboBox2.set_item_index(0);
    f1.RadioButton103.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "3000000");
    EXPECT_EQ(f1.Edit106.text(), "600000");
    EXPECT_EQ(f1.Ed0_nen.text(), "10");
    EXPECT_EQ(f1.Edit67.text(), "住宅B");
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/04/01");
    EXPECT_EQ(f1.ComboBox2.item_index(), 1);
}

TEST_F(PackTest, AShortListNamesTheFileAndLeavesTheSlots) {
    small_loan("住宅A", "0");
    store_in(2);
    const std::string path = folder.file("short.krp");
    write_lines(path, std::vector<std::string>(249, "-"));
    platform.queue_answer(true);
    platform.queue_file(path);
    f1.Button80.click();
    EXPECT_TRUE(logged("short.krp")) << "the message names the file";
    EXPECT_TRUE(logged("行 250"));
    EXPECT_EQ(f1.PackSlots[2][0], "1");
    EXPECT_EQ(f1.RadioButton102.caption(), "住宅A");
    EXPECT_TRUE(f1.PackListChanged);
}

TEST_F(PackTest, CancelledDialogsChangeNothing) {
    small_loan("住宅A", "0");
    store_in(2);
    const auto slots = f1.PackSlots;
    f1.RadioButton104.right_click();  // no file chosen
    f1.Button80.click();              // changed list: the question is answered no
    f1.Button81.click();              // no file chosen
    EXPECT_EQ(f1.PackSlots, slots);
    EXPECT_TRUE(f1.PackListChanged);
    EXPECT_EQ(f1.Button78.tag(), 2);
    EXPECT_EQ(f1.Edit67.text(), "住宅A");
}

TEST_F(PackTest, ExitAsksAboutAnUnrecordedList) {
    small_loan("住宅A", "0");
    store_in(2);
    const std::string path = folder.file("exit.krp");
    platform.queue_answer(true);
    platform.queue_file(path);
    f1.close();
    EXPECT_TRUE(logged("question パックリストの変更が記録されていません。記録して終了しますか。"));
    EXPECT_EQ(read_lines(path).size(), 250u);
}

TEST_F(PackTest, AllPacksWithOnlySlotThreeAreLabelledThree) {
    small_loan("住宅", "20");
    store_in(3);
    f1.Button82.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{}) << "silent, and no failure";
    EXPECT_EQ(f1.StringGrid4.cell(1, 0), "⑬表");
    EXPECT_EQ(f1.StringGrid3.cell(1, 0), "③表");
    EXPECT_EQ(f1.StringGrid3.cell(2, 0), "*⑬表");
    EXPECT_EQ(f1.CompositeCountM, 2);
    // Both parts whole in the composite: the new principals add up to the loan.
    long long arising = 0;
    for (int r = 3; r < f1.StringGrid3.row_count(); ++r)
        arising += std::stoll(f1.StringGrid3.cell(r, 17));
    EXPECT_EQ(arising, 3'000'000);
}

TEST_F(PackTest, AllPacksAddEachSlotOnce) {
    small_loan("甲", "0");
    store_in(1);
    small_loan("乙", "0");
    f1.Ed0_moto.set_text("1000000");
    store_in(4);
    f1.Button82.click();
    EXPECT_EQ(f1.StringGrid3.cell(1, 0), "①表");
    EXPECT_EQ(f1.StringGrid3.cell(2, 0), "④表");
    const Grid& c = f1.StringGrid3;
    long long arising = 0;
    for (int r = 3; r < c.row_count(); ++r)
        arising += std::stoll(c.cell(r, 17));
    EXPECT_EQ(arising, 3'000'000 + 1'000'000);
    // The running totals end at the sums of the rows added.
    EXPECT_EQ(c.cell(c.row_count() - 1, 18), n(column_sum(c, 3, 10)));
    EXPECT_EQ(c.cell(c.row_count() - 1, 19), n(column_sum(c, 3, 11)));
}

class ManualPackTest : public PackTest {
protected:
    // Loan A's tables saved as a manual pack file in the pack folder.
    std::string save_manual(const std::string& name) {
        write_loan(cur.StGr1, loan_a);
        const std::string path = folder.file(name);
        f1.Save_mpc(path);
        return path;
    }
};

TEST_F(ManualPackTest, RightClickLoadsAManualPackIntoTheSlot) {
    const std::string path = save_manual("hand.mpc");
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    platform.queue_file(path);
    f1.RadioButton106.right_click();
    EXPECT_EQ(f1.PackSlots[6][0], "2");
    EXPECT_EQ(f1.PackSlots[6][1], "hand.mpc");
    EXPECT_EQ(f1.PackSlots[6][3], "10") << "120 payments are 10 years";
    EXPECT_EQ(f1.PackSlots[6][5], "1320000");
    EXPECT_EQ(f1.RadioButton106.color(), Color::Maroon);
    EXPECT_EQ(f1.RadioButton106.caption(), "hand.mpc");
    EXPECT_EQ(cur.StGr1.cell(2, 3), "1320000");
    EXPECT_EQ(f1.Ed555.text(), "hand");
    EXPECT_TRUE(f1.PackListChanged);
    EXPECT_TRUE(f1.Button47.visible());
    EXPECT_FALSE(f1.Button78.visible());
}

TEST_F(ManualPackTest, AMissingManualPackStopsTheRunWithNothingLost) {
    const std::string path = save_manual("gone.mpc");
    platform.queue_file(path);
    f1.RadioButton106.right_click();
    // A composite made earlier, and the file then removed.
    write_loan(cur.StGr1, loan_b);
    f1.copy_into_composite(false);
    const auto composite = f1.StringGrid3.row_cells(5);
    const auto slots = f1.PackSlots;
    std::filesystem::remove(path);
    platform.take_log();
    f1.Button82.click();
    EXPECT_TRUE(logged("gone.mpc")) << "the message names the file";
    EXPECT_EQ(f1.StringGrid3.row_cells(5), composite);
    EXPECT_EQ(f1.CompositeCountM, 1);
    EXPECT_TRUE(f1.Button28.enabled());
    EXPECT_EQ(f1.PackSlots, slots);
}

TEST_F(ManualPackTest, ADamagedManualPackNamesTheFileAndTheLine) {
    const std::string path = save_manual("bad.mpc");
    platform.queue_file(path);
    f1.RadioButton107.right_click();
    auto lines = read_lines(path);
    lines[0] = "多い";
    write_lines(path, lines);
    const auto slots = f1.PackSlots;
    platform.take_log();
    f1.Button82.click();
    EXPECT_TRUE(logged("bad.mpc"));
    EXPECT_TRUE(logged("行 1"));
    EXPECT_EQ(f1.PackSlots, slots);
    EXPECT_FALSE(f1.Button28.enabled());
}

}  // namespace
}  // namespace rebanto
