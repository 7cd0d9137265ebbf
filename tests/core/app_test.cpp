// The window set and the main window's pages after start-up.
#include <string>
#include <vector>

#include "app_fixture.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, EveryWindowExistsOnceInCreationOrder) {
    std::vector<std::string> names;
    for (const Form* form : app.forms())
        names.push_back(form->name());
    const std::vector<std::string> expected{
        "TForm1",         "TForm2",        "TForCur",          "TForm4",
        "TForm5",         "TForm3",        "TOKBotKuriageDlg", "TOKBotGenyachinDlg",
        "TOKBotKinriDlg", "TOKBotAdonDlg", "TForm6",           "TForm7",
        "TForm8",         "TForm9",        "TForm10",          "TForm18",
        "TBHoseiDlg",     "TFormHi",       "TFormG3",          "TFormKGr"};
    EXPECT_EQ(names, expected);
}

TEST_F(AppTest, CaptionsAreTheProgramsOwn) {
    EXPECT_EQ(app.main.caption(), "Rebanto Ver7.7　－－－ファイル名　Vorpen77.exe");
    EXPECT_EQ(app.cur.caption(), "カレント両表");
    EXPECT_EQ(app.navigator.caption(), "再計算ナビゲーター");
    EXPECT_EQ(app.compare.caption(),
              "比較表－カレント両表の５記憶を加算・減算比較　  (＋長短複数融資の繰上効果の検証)");
    EXPECT_EQ(app.aux_chart.caption(), "");
    EXPECT_EQ(std::string(App::kTitle), "RebantoVer7.7");
}

TEST_F(AppTest, StartUpLeavesTheMainAndCurrentTablesWindowsShown) {
    EXPECT_TRUE(app.main.visible());
    EXPECT_TRUE(app.cur.visible());
    EXPECT_FALSE(app.splash.visible()) << "the splash goes once start-up is over";
    EXPECT_EQ(app.splash.Label1.caption(), "立ち上げ中");
    EXPECT_FALSE(app.navigator.visible());
}

TEST_F(AppTest, WindowsAreFoundByClassName) {
    EXPECT_EQ(app.find_form("TForCur"), &app.cur);
    EXPECT_EQ(app.find_form("TForm8"), &app.second_repayment);
    EXPECT_EQ(app.find_form("TForm99"), nullptr);
}

TEST_F(AppTest, PagesAreInTabOrderWithTheCalculationPageActive) {
    std::vector<std::string> captions;
    for (const Panel* page : f1.PageControl1.pages())
        captions.push_back(page->caption());
    const std::vector<std::string> expected{
        "一括表",   "個別返済額算定", "ﾒﾓ(月返済)", "(ﾎﾞｰﾅｽ返済)",
        "複合編成", "編成一括",       "設定",       "解説"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
}

TEST_F(AppTest, BasicSettingsStartAtTheirInitialTexts) {
    EXPECT_EQ(f1.Ed0_moto.text(), "1000000");
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
    EXPECT_EQ(f1.Ed0_nen.text(), "10");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    EXPECT_EQ(f1.Ed0_wari.text(), "0");
    EXPECT_EQ(f1.bonus_interval(), 6);
    EXPECT_EQ(f1.bonus_first_months(), 6);
}

TEST_F(AppTest, ExplanationPageStartsWithItsInvitation) {
    EXPECT_EQ(f1.RichEdit3.lines(),
              (std::vector<std::string>{"解説コーナー", "", "上の項目から選んで下さい。"}));
}

TEST_F(AppTest, BeepsFollowTheSoundSetting) {
    f1.beep(Beep::Warning);
    f1.Button86.set_tag(0);
    f1.beep(Beep::Warning);
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep warning"});
}

}  // namespace
}  // namespace rebanto
