#pragma once
// Decimal digits written two at a time from the right: amounts are written on every step of
// a run, and each division by 100 saves one by 10.
#include <cstdint>

namespace rebanto {

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes `pair` (0..99) as two digits ending at `end`; returns where they start.
inline char* write_digit_pair(char* end, unsigned pair) {
    *--end = kDigitPairs[pair * 2 + 1];
    *--end = kDigitPairs[pair * 2];
    return end;
}

// Writes the digits of `value` ending at `end`; returns where they start.
inline char* write_digits(char* end, std::uint64_t value) {
    while (value >= 100) {
        end = write_digit_pair(end, static_cast<unsigned>(value % 100));
        value /= 100;
    }
    if (value >= 10) return write_digit_pair(end, static_cast<unsigned>(value));
    *--end = static_cast<char>('0' + value);
    return end;
}

}  // namespace rebanto
