// The add-on dialog: both conversions as the user drives them, the half-yearly twin, what
// it refuses to convert, the step labels, and the rate and term applied to the main window.
#include "base/linefile.h"
#include "calculator_fixture.h"
#include "io/rate_list_store.h"

namespace rebanto {
namespace {

using testing::addon_in_1e8;
using testing::CalculatorTest;
using testing::PeriodRate;

// Hundred-millionths of a percent as the dialog writes them: eight decimals at most.
std::string eight_decimals(std::int64_t v) {
    std::string s = std::to_string(v / 100'000'000) + "." + [&] {
        std::string f = std::to_string(v % 100'000'000);
        return std::string(8 - f.size(), '0') + f;
    }();
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

class AddonDialog : public CalculatorTest {
protected:
    TOKBotAdonDlg& dlg = app.addon_dialog;
};

TEST_F(AddonDialog, OpeningConvertsTheMainLoansRateOverItsTerm) {
    loan("10000000", "2.325", "10");
    f1.PageControl1.set_active_page(f1.TabSheet2);
    f1.Button134.click();
    EXPECT_TRUE(dlg.visible());
    EXPECT_EQ(dlg.Edit1.text(), "2.325");
    EXPECT_EQ(dlg.Edit2.text(), "120");
    EXPECT_EQ(dlg.Edit3.text(), eight_decimals(addon_in_1e8(120, PeriodRate::monthly(2'325))));
    EXPECT_EQ(dlg.Edit5.text(), "20");
    EXPECT_EQ(dlg.Edit4.text(), eight_decimals(addon_in_1e8(20, PeriodRate::half_yearly(2'325))));
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
}

TEST_F(AddonDialog, TwoPointSixOverSixPaymentsAndBackAgain) {
    dlg.Edit1.set_text("2.6");
    dlg.Edit2.set_text("6");
    dlg.Button1.click();
    EXPECT_EQ(dlg.Edit3.text(), "0.75970106");
    EXPECT_EQ(dlg.Edit5.text(), "1") << "one half-yearly payment";
    EXPECT_EQ(dlg.Edit4.text(), "1.3") << "one payment: the half-year's rate";
    EXPECT_EQ(dlg.Edit1.text(), "2.6") << "the add-on written converts back to the rate typed";
    // An add-on typed: it converts on every change. The add-on of 3.125 % over six
    // payments, worked out exactly, gives back 3.125 %.
    dlg.Edit3.set_text(eight_decimals(addon_in_1e8(6, PeriodRate::monthly(3'125))));
    EXPECT_EQ(dlg.Edit1.text(), "3.125");
}

TEST_F(AddonDialog, FewerThanSixPaymentsLeaveTheHalfYearlyFieldsAlone) {
    dlg.Edit1.set_text("2.6");
    dlg.Edit2.set_text("5");
    dlg.Button1.click();
    EXPECT_EQ(dlg.Edit5.text(), "6");
    EXPECT_EQ(dlg.Edit4.text(), "2.6");
    EXPECT_EQ(dlg.Edit3.text(), eight_decimals(addon_in_1e8(5, PeriodRate::monthly(2'600))));
}

TEST_F(AddonDialog, EmptyOrNonPositiveInputsConvertNothing) {
    for (const char* rate : {"", "0", "-2.6"}) {
        dlg.Edit1.set_text(rate);
        dlg.Button1.click();
        EXPECT_EQ(dlg.Edit3.text(), "2.6") << rate;
    }
    dlg.Edit1.set_text("2.6");
    for (const char* count : {"", "0", "6.5"}) {
        dlg.Edit2.set_text(count);
        dlg.Button1.click();
        EXPECT_EQ(dlg.Edit3.text(), "2.6") << count;
        dlg.Button2.click();
        EXPECT_EQ(dlg.Edit1.text(), "2.6") << count;
    }
    dlg.Edit2.set_text("6");
    dlg.Edit3.set_text("0");
    EXPECT_EQ(dlg.Edit1.text(), "2.6");
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(AddonDialog, TextThatIsNoNumberIsNamedAndTheOtherFieldsKeepTheirValues) {
    dlg.Edit1.set_text("2.6%");
    dlg.Button1.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{"error 入力欄 Edit1 の「2.6%」は有効な数値ではありません"});
    EXPECT_EQ(dlg.Edit3.text(), "2.6");
    EXPECT_EQ(dlg.Edit4.text(), "2.6");
}

TEST_F(AddonDialog, PointingAtTheRateGroupConverts) {
    dlg.Edit1.set_text("2.6");
    dlg.GroupBox1.hover();
    EXPECT_EQ(dlg.Edit3.text(), "0.75970106");
}

TEST_F(AddonDialog, ApplyingPassesTheTermThroughSixMonthsToTheNewTerm) {
    loan("10000000", "2.325", "10");
    dlg.Edit1.set_text("2.6");
    dlg.Edit2.set_text("30");
    dlg.Button3.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.6");
    EXPECT_EQ(f1.Ed0_nen.text(), "2");
    EXPECT_EQ(f1.Ed0_tuki.text(), "6");
    EXPECT_EQ(f1.Edit13.text(), "1");
    EXPECT_EQ(f1.TotalMonths, 30);
    EXPECT_TRUE(platform.take_log().empty()) << "the term never passed through zero months";
}

TEST_F(AddonDialog, OkAppliesAndClosesCancelOnlyCloses) {
    loan("10000000", "2.325", "10");
    dlg.show();
    dlg.Edit1.set_text("3");
    dlg.CancelBtn.click();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
    dlg.show();
    dlg.OKBtn.click();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Ed0_kin.text(), "3");
}

TEST_F(AddonDialog, TheStudyListRecordsTheLoanMonthByMonthToTheEnd) {
    loan("1000000", "2.325", "10");
    dlg.Edit1.set_text("2.6");
    dlg.Edit2.set_text("6");
    dlg.Button4.click();
    const Grid& table = app.cur.StGr1;
    // The settings row, six monthly rows, the totals row.
    ASSERT_EQ(table.row_count(), 2 + 6 + 1);
    EXPECT_EQ(table.cell(2, 0), "1");
    EXPECT_EQ(table.cell(7, 0), "6");
    EXPECT_EQ(table.cell(8, 13), "K");
    // The instalment: 1,000,000 at 2.6 % over six months, exactly.
    EXPECT_EQ(table.cell(2, 6),
              std::to_string(testing::exact_instalment(1'000'000, 6, PeriodRate::monthly(2'600))));
}

TEST_F(AddonDialog, TheStepLabelsRoundAndStepTheirFields) {
    dlg.Edit1.set_text("2.3456");
    dlg.Label1.click();
    EXPECT_EQ(dlg.Edit1.text(), "2.35");
    dlg.Label2.click();
    EXPECT_EQ(dlg.Edit1.text(), "2.36");
    dlg.Label2.right_click();
    EXPECT_EQ(dlg.Edit1.text(), "2.35");
    dlg.Edit1.set_text("0.1");
    dlg.Label2.right_click();
    EXPECT_EQ(dlg.Edit1.text(), "0.1") << "no lower than 0.1 %";

    dlg.Edit2.set_text("6");
    dlg.Label4.click();
    EXPECT_EQ(dlg.Edit2.text(), "7");
    dlg.Edit2.set_text("1");
    dlg.Label4.right_click();
    EXPECT_EQ(dlg.Edit2.text(), "1");

    dlg.Edit3.set_text("2.6");
    dlg.Label6.click();
    EXPECT_EQ(dlg.Edit3.text(), "3");
    dlg.Label6.right_click();
    EXPECT_EQ(dlg.Edit3.text(), "2");
    dlg.Edit3.set_text("0.75970106");
    dlg.Label7.click();
    EXPECT_EQ(dlg.Edit3.text(), "0.8");
    dlg.Label7.right_click();
    EXPECT_EQ(dlg.Edit3.text(), "0.7");
    dlg.Edit3.set_text("1");
    dlg.Label6.right_click();
    EXPECT_EQ(dlg.Edit3.text(), "1") << "no lower than 1 % by whole percents";
}

TEST_F(AddonDialog, ADoubleClickOnTheRateOffersTheRateListForThatField) {
    write_lines(folder.path() / kRateListStore, std::vector<std::string>(kRateListLines));
    dlg.show();
    dlg.Edit1.dbl_click();
    ASSERT_TRUE(app.rate_list.visible());
    EXPECT_EQ(app.rate_list.receiving_field(), &dlg.Edit1);
    app.rate_list.StringGrid7.set_cell(1, 7, "3.5");
    app.rate_list.StringGrid7.click_cell(1, 7);
    EXPECT_EQ(dlg.Edit1.text(), "3.5");
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325") << "only the dialog's field";
    app.rate_list.show();
    dlg.Edit1.exit();
    EXPECT_FALSE(app.rate_list.visible()) << "leaving the field closes the list";
}

}  // namespace
}  // namespace rebanto
