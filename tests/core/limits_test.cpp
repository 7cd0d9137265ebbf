// Counts, amounts and rates at and beyond what the program can hold: a count above a
// thousand years of months is a text that does not parse, an amount or rate below minus
// its limit is capped as one above it, and an overflow is reported, never wrapped.
#include <cmath>

#include "app_fixture.h"
#include "base/numtext.h"
#include "forms/guard.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, ATermBeyondAThousandYearsIsNotANumberAndNothingIsRewritten) {
    for (const char* years : {"178956971", "1.2e301", "1001"}) {
        f1.Ed0_nen.set_text("10");
        platform.take_log();
        f1.Ed0_nen.set_text(years);
        EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"}) << years;
        EXPECT_EQ(f1.Ed0_nen.text(), years) << "the typed text stays";
        EXPECT_EQ(f1.Ed0_tuki.text(), "0");
        EXPECT_EQ(f1.TotalMonths, 120) << "the last good term stays";
        EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "120");
    }
    f1.Ed0_nen.set_text("1000");  // exactly a thousand years: 12,000 months
    EXPECT_EQ(f1.TotalMonths, 12000);
}

TEST_F(AppTest, HugeStepsAndCountsBeepAndChangeNothing) {
    f1.Ed0_moto.set_text("30000000");
    f1.Ed0_nen.set_text("35");
    const std::string instalment = f1.Edit4.text();
    for (const char* step : {"2147483648", "1e300"}) {
        platform.take_log();
        f1.Edit13.set_text(step);
        EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"}) << step;
        EXPECT_EQ(f1.StepMonths, 6) << step;
    }
    f1.Edit13.set_text("6");
    platform.take_log();
    // Two thousand million bonus payments would take the instalment loop seconds.
    f1.Ed1_Bzankaisu.set_text("2e9");
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(f1.Edit4.text(), instalment);
    f1.Ed1_mm5.set_text("2147483647");
    EXPECT_EQ(f1.StepMonths, 6);
}

TEST_F(AppTest, AnIntervalOrFirstMonthBeyondTheLimitNamesTheField) {
    TForm8& second = app.second_repayment;
    second.Edit1.set_text("2147483648");
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "error 入力欄 Edit1 の「2147483648」は有効な数値ではありません");
    EXPECT_EQ(f1.Label187.caption(), "第1回=6ヶ月分");
}

TEST_F(AppTest, AmountsAndRatesBelowMinusTheLimitAreCappedInPlace) {
    f1.Ed0_moto.set_text("-1e20");
    EXPECT_EQ(f1.Ed0_moto.text(), "-10000000000");
    f1.Ed0_moto.set_text("3000000");
    f1.Edit6.set_text("-900000000000000");
    EXPECT_EQ(f1.Edit6.text(), "-10000000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "-9997000000") << "the total follows the edited part";
    f1.Ed0_kin.set_text("-2147483649");
    EXPECT_EQ(f1.Ed0_kin.text(), "-1000");
    f1.Edit2.set_text("-1e300");
    EXPECT_EQ(f1.Edit2.text(), "-1000");
}

// 10,000,000,000 yen at 1000 %, interest rounded up to the yen on every yen, over a step of
// 60 months: the balance grows faster than any amount can hold.
TEST_F(AppTest, AnAmountOverflowShowsTheCalculationsMessageNeverAWrappedNumber) {
    f1.Ed0_moto.set_text("10000000000");
    f1.Ed0_kin.set_text("1000");
    f1.RB23.set_checked(true);
    f1.Furi1.set_checked(true);
    platform.take_log();
    f1.Edit13.set_text("60");
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{std::string("info ") + kCalculationFailure});
    EXPECT_EQ(f1.Ed0_moto.tag(), 0) << "the calculation is usable again";
    EXPECT_FALSE(f1.Edit15.text().starts_with("-")) << f1.Edit15.text();
    EXPECT_FALSE(f1.Edit5.text().starts_with("-")) << f1.Edit5.text();
    // The window goes on working with sane inputs.
    f1.Ed0_kin.set_text("2.325");
    f1.Edit13.set_text("6");
    EXPECT_FALSE(f1.Edit4.text().starts_with("-"));
}

// Every numeric field of the main window takes the values no field can mean, one at a
// time, and a step is committed: nothing throws, nothing is undefined (the sanitizer run
// checks the conversions), and every field still reads as a number afterwards.
TEST_F(AppTest, ExtremeValuesInEveryNumericFieldAreRefusedOrCapped) {
    const std::vector<std::string> extremes = {
        "1e309", "-1e300", "2147483648", "-2147483649", "9223372036854775808",
        "NaN",   "inf",    "1e4932"};
    std::vector<Edit*> fields;
    for (Control* c : f1.controls()) {
        if (auto* edit = dynamic_cast<Edit*>(c); edit != nullptr && edit->on_key) {
            fields.push_back(edit);
        }
    }
    ASSERT_GT(fields.size(), 20u);
    for (Edit* field : fields) {
        for (const std::string& value : extremes) {
            const std::string before = field->text();
            EXPECT_NO_THROW(field->set_text(value)) << field->name() << " " << value;
            EXPECT_NO_THROW(f1.Button1.click()) << field->name() << " " << value;
            field->set_text(before);
        }
    }
    for (Edit* field : fields) {
        if (field->text().empty()) continue;  // a field that starts empty
        EXPECT_NO_THROW((void)to_extended(field->text())) << field->name() << " " << field->text();
    }
}

}  // namespace
}  // namespace rebanto
