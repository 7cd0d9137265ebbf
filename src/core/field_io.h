#pragma once
// Reading and writing the numbers that live in field texts. Reads throw ConversionError
// on text that is not a number; writes use the shortest decimal form.
#include <string>

#include "base/money.h"
#include "base/numtext.h"
#include "model/control.h"

namespace rebanto {

inline long double num(const Control& field) {
    return to_extended(field.text());
}
inline Money money(const Control& field) {
    return to_money(field.text());
}
// Counts are whole numbers: the integer part of the field's value, at most kMaxCount.
inline int count(const Control& field, int min = -kMaxCount) {
    return to_count(field.text(), min);
}
inline bool is_empty(const Control& field) {
    return field.text().empty();
}

inline void put(Control& field, Money value) {
    field.set_text(general(value));
}
inline void put(Control& field, long double value) {
    field.set_text(general(value));
}
inline void put(Control& field, int value) {
    field.set_text(general(value));
}
inline void put(Control& field, const std::string& text) {
    field.set_text(text);
}

}  // namespace rebanto
