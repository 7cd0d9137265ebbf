// The number and date texts every field passes through: parsing never does anything
// undefined, a number that parses prints in the general format and reads back as the same
// number, an amount reads back as the same amount, a count stays inside its bound, and a
// normalised date is a date that normalises to itself.
#include <cmath>
#include <cstdint>
#include <string>

#include "base/date.h"
#include "base/errors.h"
#include "base/numtext.h"
#include "fuzz_app.h"

using namespace rebanto;
using rebanto::fuzz::require;

namespace {

void numbers(const std::string& text) {
    long double value = 0;
    try {
        value = to_extended(text);
    } catch (const ConversionError&) {
        return;
    }
    if (std::isfinite(value)) {
        // 15 significant digits read back within the 16th.
        const std::string printed = general(value);
        const long double again = to_extended(printed);
        require(again == value || std::fabs(again - value) <= std::fabs(value) * 1e-14L,
                "a number read back from its general format differs");
        require(general(again) == printed, "the general format of a number is not stable");
    }
    try {
        const Money amount = to_money(text);
        require(to_money(general(amount)) == amount, "an amount read back differently");
    } catch (const ConversionError&) {
    } catch (const MoneyOverflow&) {
    }
    try {
        const int count = to_count(text);
        require(count >= -kMaxCount && count <= kMaxCount, "a count left its bound");
    } catch (const ConversionError&) {
    }
    try {
        (void)to_int(text);
    } catch (const ConversionError&) {
    }
}

void dates(const std::string& text) {
    try {
        const std::string normal = date_seiki(text);
        require(date_seiki(normal) == normal, "a normalised date normalises to another");
    } catch (const ConversionError&) {
    }
    try {
        const Date date = parse_short_date(text);
        require(date.month >= 1 && date.month <= 12 && date.day >= 1 &&
                    date.day <= days_in_month(date.year, date.month),
                "a short date outside the calendar was taken");
        require(parse_short_date(short_date(date)) == date, "a short date read back differently");
    } catch (const ConversionError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    numbers(text);
    dates(text);
    return 0;
}
