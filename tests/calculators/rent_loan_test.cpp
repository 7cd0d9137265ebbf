// The loan a rent carries: the instalment the rent affords, the start principal the search
// finds under the standard conditions or the user's, and the rents it cannot serve.
#include "calculator_fixture.h"

namespace rebanto {
namespace {

using testing::CalculatorTest;
using testing::instalment_reaches;
using testing::PeriodRate;
using testing::smallest_principal_reaching;

class RentLoan : public CalculatorTest {
protected:
    TOKBotGenyachinDlg& dlg = app.rent_dialog;
};

TEST_F(RentLoan, ARentOf123000LessAQuarterIsSearchedOver35YearsAtTheStandardRate) {
    loan("10000000", "3.1", "20", "20");
    f1.Button133.click();
    EXPECT_TRUE(dlg.visible());
    dlg.Edit2.set_text("25");
    dlg.OKBtn.click();
    EXPECT_TRUE(platform.take_log().empty());
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(f1.Edit3.text(), "92250");
    EXPECT_EQ(f1.Ed0_kin.text(), "2.80");
    EXPECT_EQ(f1.Ed0_nen.text(), "35");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    EXPECT_EQ(f1.Ed0_wari.text(), "0");
    EXPECT_EQ(yen(f1.Ed0_moto),
              smallest_principal_reaching(92'250, 420, PeriodRate::monthly(2'800)));
    EXPECT_EQ(f1.Edit4.text(), "92250");
    EXPECT_FALSE(f1.Panel4.visible()) << "confirmed";
}

TEST_F(RentLoan, TheUsersConditionsStayAndTheBonusShareIsSplitOff) {
    loan("10000000", "3.1", "20", "20");
    dlg.RadioButton2.click();
    dlg.Edit1.set_text("100000");
    dlg.OKBtn.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "3.1");
    EXPECT_EQ(f1.Ed0_nen.text(), "20");
    EXPECT_EQ(f1.Ed0_wari.text(), "20");
    // The monthly part is the start principal less its fifth: the smallest start principal
    // whose monthly part pays 100,000 over 240 months at 3.1 %.
    const auto reaches = [](std::int64_t total) {
        return instalment_reaches(total - total / 5, 240, PeriodRate::monthly(3'100), 100'000);
    };
    std::int64_t lo = 1;
    std::int64_t hi = 1'000'000'000;
    while (lo < hi) {
        const std::int64_t mid = (lo + hi) / 2;
        if (reaches(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    EXPECT_EQ(yen(f1.Ed0_moto), lo);
    EXPECT_EQ(f1.Edit4.text(), "100000");
}

TEST_F(RentLoan, InEqualPrincipalTheRentIsComparedWithTheLastPaymentsTotal) {
    loan("10000000", "2.325", "35");
    f1.Button130.click();
    ASSERT_TRUE(f1.equal_principal());
    dlg.OKBtn.click();
    EXPECT_TRUE(f1.RBut_Rm.checked());
    const std::int64_t found = yen(f1.Ed0_moto);
    EXPECT_GE(yen(f1.Edit21), 123'000);
    f1.Ed0_moto.set_text(std::to_string(found - 1));
    EXPECT_LT(yen(f1.Edit21), 123'000) << "one yen less no longer reaches the rent";
}

TEST_F(RentLoan, ARentOfZeroIsToldAndTheLoanIsAsTyped) {
    loan("10000000", "3.1", "20", "20");
    const auto before = inputs();
    dlg.Edit1.set_text("0");
    dlg.OKBtn.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before) << "not even the standard conditions stay";
    EXPECT_FALSE(f1.Panel4.visible());
}

TEST_F(RentLoan, ARentNoPrincipalInTheRangeCanCarryIsToldAsWell) {
    loan("10000000", "3.1", "20");
    const auto before = inputs();
    dlg.Edit1.set_text("100000000");
    dlg.OKBtn.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
}

TEST_F(RentLoan, ARentThatIsNoNumberIsNamedAndTheDialogStays) {
    loan("10000000", "3.1", "20");
    const auto before = inputs();
    dlg.show();
    dlg.Edit1.set_text("12万");
    dlg.OKBtn.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{"error 入力欄 Edit1 の「12万」は有効な数値ではありません"});
    EXPECT_TRUE(dlg.visible());
    EXPECT_EQ(inputs(), before);
}

TEST_F(RentLoan, TheExpenseShareStepsByFiveAndNeverBelowZero) {
    dlg.Label4.click();
    dlg.Label4.click();
    EXPECT_EQ(dlg.Edit2.text(), "10");
    dlg.Edit2.set_text("4");
    dlg.Label4.right_click();
    EXPECT_EQ(dlg.Edit2.text(), "4") << "a right click at 4 % does nothing";
    dlg.Edit2.set_text("7.5");
    dlg.Label4.right_click();
    EXPECT_EQ(dlg.Edit2.text(), "2");
    dlg.Label4.dbl_click();
    EXPECT_EQ(dlg.Edit2.text(), "15");
    dlg.Label2.click();
    EXPECT_EQ(dlg.Edit2.text(), "25");
}

TEST_F(RentLoan, CancelOnlyCloses) {
    loan("10000000", "3.1", "20");
    const auto before = inputs();
    f1.Button133.click();
    dlg.CancelBtn.click();
    EXPECT_FALSE(dlg.visible());
    EXPECT_EQ(inputs(), before);
    EXPECT_TRUE(dlg.RadioButton1.checked()) << "the standard conditions are the default";
}

}  // namespace
}  // namespace rebanto
