#pragma once
// Errors raised by the pure layer. The handler boundary decides what they mean
// (a beep inside the one-period calculation, a message elsewhere).
#include <stdexcept>
#include <string>

namespace rebanto {

// A field's text does not parse as the number that was asked for.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' は有効な数値ではありません"), text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A named field's text does not parse: the message names the field, for the error box
// that every operation outside the one-period calculation shows.
class FieldValueError : public ConversionError {
public:
    FieldValueError(const std::string& field, const std::string& text)
        : ConversionError(text),
          message_("入力欄 " + field + " の「" + text + "」は有効な数値ではありません"),
          field_(field) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& field() const { return field_; }

private:
    std::string message_;
    std::string field_;
};

// Arithmetic on amounts left the range of Money (about ±922 trillion yen).
class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow() : std::overflow_error("金額が計算できる範囲を超えました") {}
};

// A file could not be read or written, or its text could not be converted.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace rebanto
