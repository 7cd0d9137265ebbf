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

// A file could not be read or written, or its text could not be converted.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace rebanto
