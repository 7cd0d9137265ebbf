#pragma once
// Reading and writing the numbers that live in field texts. Reads throw ConversionError
// on text that is not a number; writes use the shortest decimal form.
#include <string>

#include "base/errors.h"
#include "base/money.h"
#include "base/numtext.h"
#include "model/control.h"

namespace rebanto {

// Reads use the number each field keeps of its text. The failures name the field, so that
// a message can say which one is wrong.
inline long double num(const Control& field) {
    try {
        return field.number();
    } catch (const ConversionError&) {
        throw FieldValueError(field.name(), field.text());
    }
}
inline Money money(const Control& field) {
    const long double value = num(field);
    try {
        return Money::from_extended(value);
    } catch (const MoneyOverflow&) {
        throw FieldValueError(field.name(), field.text());  // no amount is that large
    }
}
// A count worked out from field values, as its integer part: beyond kMaxCount (or below
// min) the text of `field` is what does not parse.
inline int count_from(long double value, const Control& field, int min = -kMaxCount) {
    const long double whole = int_part(value);
    if (!(whole >= min && whole <= kMaxCount)) throw FieldValueError(field.name(), field.text());
    return static_cast<int>(integral_to_int64(whole));
}
// Counts are whole numbers: the integer part of the field's value, at most kMaxCount.
inline int count(const Control& field, int min = -kMaxCount) {
    return count_from(num(field), field, min);
}
inline bool is_empty(const Control& field) {
    return field.text().empty();
}

// An amount's text reads back as the amount exactly: both are the one correctly rounded
// quotient of its ten-thousandths by 10,000. A count's text reads back as the count.
// The same number written the same way again is not formed again: its text is already there.
inline void put(Control& field, Money value) {
    if (field.shows(NumberForm::Amount, value.raw())) return;
    field.set_text_of_number(general(value), value.to_extended(), NumberForm::Amount, value.raw());
}
inline void put(Control& field, long double value) {
    field.set_text(general(value));
}
inline void put(Control& field, int value) {
    if (field.shows(NumberForm::Count, value)) return;
    field.set_text_of_number(general(value), static_cast<long double>(value), NumberForm::Count,
                             value);
}
inline void put(Control& field, const std::string& text) {
    field.set_text(text);
}

}  // namespace rebanto
