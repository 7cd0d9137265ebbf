// A field written from an amount or a count reads back as if its text had been parsed.
#include "core/field_io.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "base/numtext.h"
#include "model/control.h"
#include "model/form.h"

namespace rebanto {
namespace {

class OneField : public Form {
public:
    OneField() : Form("TForm1", "") {}
    Edit field{*this, "Edit1"};
};

// Amounts of every size, with and without ten-thousandths, both signs: the number a field
// gives for the amount written is the number its text parses to, to the last bit.
TEST(FieldNumbers, AnAmountWrittenReadsBackAsItsTextParses) {
    OneField f;
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> digits(1, 18);
    std::uniform_int_distribution<std::int64_t> any(0, 999999999999999999);
    for (int i = 0; i < 20000; ++i) {
        std::int64_t raw = any(random);
        for (int d = digits(random); d < 18; ++d)
            raw /= 10;
        if (i % 3 == 0) raw = -raw;
        if (i % 5 == 0) raw -= raw % 10000;  // whole yen
        const Money amount = Money::from_raw(raw);
        put(f.field, amount);
        const long double parsed = to_extended(general(amount));
        ASSERT_EQ(num(f.field), parsed) << f.field.text();
        ASSERT_EQ(std::signbit(num(f.field)), std::signbit(parsed)) << f.field.text();
    }
}

TEST(FieldNumbers, ACountWrittenReadsBackAsItsTextParses) {
    OneField f;
    for (const int n : {0, 1, -1, 12, 420, -2147483647, 2147483647}) {
        put(f.field, n);
        EXPECT_EQ(num(f.field), to_extended(f.field.text())) << n;
    }
}

TEST(FieldNumbers, ATextTypedAfterAnAmountIsParsedAfresh) {
    OneField f;
    put(f.field, Money::from_yen(83564));
    f.field.set_text("1.5");
    EXPECT_EQ(num(f.field), 1.5L);
    f.field.set_text("abc");
    EXPECT_THROW(num(f.field), ConversionError);
}

// Writing the number a field already shows changes nothing and raises no change; any other
// text in between, typed or written by a change handler, is replaced by the next write.
TEST(FieldNumbers, TheSameNumberWrittenAgainKeepsTheTextAndOnlyThat) {
    OneField f;
    int changes = 0;
    f.field.on_change = [&changes](Control&) { ++changes; };
    put(f.field, Money::from_yen(5));
    put(f.field, Money::from_yen(5));
    EXPECT_EQ(f.field.text(), "5");
    EXPECT_EQ(changes, 1);
    // The same ten-thousandths as a count is another text.
    put(f.field, 50000);
    EXPECT_EQ(f.field.text(), "50000");
    put(f.field, Money::from_yen(5));
    EXPECT_EQ(f.field.text(), "5");
    for (const char* typed : {"05", "5.0", "", "5"}) {
        f.field.set_text(typed);
        put(f.field, 5);
        EXPECT_EQ(f.field.text(), "5") << typed;
        put(f.field, Money::from_yen(5));
        EXPECT_EQ(f.field.text(), "5") << typed;
    }

    // A handler that rewrites the field as it hears the number.
    f.field.on_change = [](Control& field) {
        if (field.text() == "7") field.set_text("seven");
    };
    put(f.field, 7);
    EXPECT_EQ(f.field.text(), "seven");
    put(f.field, 7);
    EXPECT_EQ(f.field.text(), "seven") << "written again, and rewritten again";
    f.field.on_change = nullptr;
    put(f.field, 7);
    EXPECT_EQ(f.field.text(), "7");
    put(f.field, Money::from_yen(7));
    f.field.on_change = [](Control& field) { put(field, Money::from_yen(8)); };
    put(f.field, Money::from_yen(9));
    EXPECT_EQ(f.field.text(), "8");
    f.field.on_change = nullptr;
    put(f.field, Money::from_yen(9));
    EXPECT_EQ(f.field.text(), "9");
}

}  // namespace
}  // namespace rebanto
