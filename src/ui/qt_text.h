#pragma once
// Text is UTF-8 std::string in the models and QString in the widgets; it crosses here.
#include <QString>
#include <string>

namespace rebanto::ui {

inline QString to_q(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string from_q(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace rebanto::ui
