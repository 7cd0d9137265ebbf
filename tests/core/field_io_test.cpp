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

}  // namespace
}  // namespace rebanto
