// The search panel: which targets each input offers, the target's direction, the
// snapshot that "元" and "中止" put back, and when the panel closes.
#include "calculator_fixture.h"

namespace rebanto {
namespace {

using testing::CalculatorTest;

class SearchPanel : public CalculatorTest {
protected:
    std::vector<RadioButton*> monthly_targets() {
        return {&f1.RBut_Km, &f1.RBut_Rm, &f1.RBut_GRm, &f1.RBut_GMm, &f1.RBut_NewMm};
    }
    std::vector<RadioButton*> bonus_targets() {
        return {&f1.RBut_Kb, &f1.RBut_Rb, &f1.RBut_GRb, &f1.RBut_GMb, &f1.RBut_NewMb};
    }
    int enabled(const std::vector<RadioButton*>& targets) {
        int n = 0;
        for (const RadioButton* t : targets)
            n += t->enabled() ? 1 : 0;
        return n;
    }
};

TEST_F(SearchPanel, StartsHiddenWithTheMonthlyPrincipalAndInstalmentChosen) {
    EXPECT_FALSE(f1.Panel4.visible());
    EXPECT_TRUE(f1.RBut_Mm.checked());
    EXPECT_TRUE(f1.RBut_Km.checked());
    EXPECT_EQ(f1.Edit3.text(), "70000");
    EXPECT_EQ(enabled(bonus_targets()), 0);
    f1.Button93.click();
    EXPECT_TRUE(f1.Panel4.visible());
}

TEST_F(SearchPanel, ABasicSettingOffersEveryTargetAndBringsABonusTargetToItsMonthlyTwin) {
    loan("10000000", "2.325", "10", "20");
    f1.RBut_Mb.click();
    f1.RBut_GRb.click();
    f1.RBut_mot.click();
    EXPECT_EQ(enabled(monthly_targets()) + enabled(bonus_targets()), 10);
    EXPECT_TRUE(f1.RBut_GRm.checked());
    EXPECT_FALSE(f1.RBut_GRb.checked());
}

TEST_F(SearchPanel, APartsInputOffersOnlyThatPartsTargets) {
    loan("10000000", "2.325", "10", "20");
    f1.RBut_NewMm.click();
    f1.RBut_Mb.click();
    EXPECT_EQ(enabled(monthly_targets()), 0);
    EXPECT_EQ(enabled(bonus_targets()), 5);
    EXPECT_TRUE(f1.RBut_NewMb.checked()) << "moved to its bonus twin";
    f1.RBut_Mm.click();
    EXPECT_EQ(enabled(monthly_targets()), 5);
    EXPECT_EQ(enabled(bonus_targets()), 0);
    EXPECT_TRUE(f1.RBut_NewMm.checked());
}

TEST_F(SearchPanel, AnInstalmentAsInputMovesTheTargetOffThatInstalment) {
    loan("10000000", "2.325", "10", "20");
    f1.RBut_Km.click();
    f1.RBut_Hm.click();
    EXPECT_FALSE(f1.RBut_Km.enabled());
    EXPECT_TRUE(f1.RBut_Rm.checked()) << "the interest of one instalment";
    EXPECT_EQ(f1.search_output_field().name(), "Edit21");
    f1.RBut_Hb.click();
    EXPECT_FALSE(f1.RBut_Kb.enabled());
    EXPECT_TRUE(f1.RBut_Rb.checked());
    EXPECT_EQ(f1.search_input_field().name(), "Edit9");
}

TEST_F(SearchPanel, EachTargetCarriesItsDirection) {
    f1.RBut_GMm.click();
    EXPECT_EQ(f1.SearchDirection, 1);
    f1.RBut_GRm.click();
    EXPECT_EQ(f1.SearchDirection, 0);
    f1.RBut_mot.click();
    f1.RBut_GMb.click();
    EXPECT_EQ(f1.SearchDirection, 1);
    f1.RBut_NewMb.click();
    EXPECT_EQ(f1.SearchDirection, 0);
}

TEST_F(SearchPanel, ChoosingPutsTheInputAndBothPrincipalsBackAsTheyWere) {
    loan("10000000", "2.325", "10", "20");
    f1.Edit4.set_text("80000");  // an instalment typed by the user
    const auto before = inputs();
    f1.RBut_Hm.click();
    EXPECT_EQ(inputs(), before);
    EXPECT_NE(f1.Llmax.caption(), f1.Llmin.caption()) << "the ends of the range were worked out";
    f1.RBut_mot.click();
    EXPECT_EQ(f1.Ed0_moto.text(), before[0]);
    EXPECT_EQ(f1.Edit1.text(), before[6]);
    EXPECT_EQ(f1.Edit6.text(), before[7]);
    f1.RBut_Mb.click();
    EXPECT_EQ(f1.Edit6.text(), before[7]);
    EXPECT_EQ(f1.Ed0_moto.text(), before[0]);
}

TEST_F(SearchPanel, OriginalBringsBackTheBasicSettingsExactlyAsTyped) {
    loan("30000000", "2.325", "35", "20");
    f1.Edit13.set_text("12");
    const auto before = inputs();
    search(f1.RBut_kin, f1.RBut_Km, "100000");
    ASSERT_NE(f1.Ed0_kin.text(), "2.325");
    run(f1.RBut_mot, f1.RBut_Km, "70000");
    ASSERT_NE(f1.Ed0_moto.text(), "30000000");
    f1.Button103.click();
    EXPECT_EQ(inputs(), before);
    EXPECT_TRUE(f1.Panel4.visible()) << "the panel stays";
    // Any number of times.
    run(f1.RBut_mot, f1.RBut_Km, "90000");
    f1.Button103.click();
    EXPECT_EQ(inputs(), before);
}

TEST_F(SearchPanel, TheSnapshotIsTakenByTheSearchButtonNotByTheStart) {
    loan("30000000", "2.325", "35", "20");
    f1.Button93.click();
    f1.Ed0_kin.set_text("3.1");  // typed after the panel opened
    run(f1.RBut_mot, f1.RBut_Km, "70000");
    f1.Button103.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
}

TEST_F(SearchPanel, CancelRestoresAndClosesConfirmKeepsTheResultAndCloses) {
    loan("30000000", "2.325", "35");
    const auto before = inputs();
    search(f1.RBut_mot, f1.RBut_Km, "70000");
    const std::string found = f1.Ed0_moto.text();
    f1.Button102.click();
    EXPECT_FALSE(f1.Panel4.visible());
    EXPECT_EQ(f1.Ed0_moto.text(), found);
    search(f1.RBut_mot, f1.RBut_Km, "90000");
    f1.Button90.click();
    EXPECT_FALSE(f1.Panel4.visible());
    EXPECT_EQ(f1.Ed0_moto.text(), found) << "back to the snapshot of the last 検索";
}

TEST_F(SearchPanel, ChangingThePageClosesThePanel) {
    f1.Button93.click();
    f1.PageControl1.set_active_page(f1.TabSheet3);
    EXPECT_FALSE(f1.Panel4.visible());
}

TEST_F(SearchPanel, OpeningThePanelClearsTheRunningTotals) {
    loan("30000000", "2.325", "35");
    f1.Button1.click();
    ASSERT_TRUE(f1.Button15.enabled());
    f1.Button93.click();
    EXPECT_FALSE(f1.Button15.enabled());
    EXPECT_EQ(f1.TotalsM.interest, Money());
    EXPECT_EQ(f1.TotalsM.principal, Money());
}

TEST_F(SearchPanel, OriginalWithoutASnapshotLeavesEverythingAlone) {
    loan("30000000", "2.325", "35");
    const auto before = inputs();
    f1.Button103.click();
    f1.Button90.click();
    EXPECT_EQ(inputs(), before);
}

}  // namespace
}  // namespace rebanto
