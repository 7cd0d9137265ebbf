#include "base/field_at.h"

namespace rebanto {

std::string field_at(std::string_view text, int n) {
    if (n < 0) return {};
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t sep = text.find(kFieldSeparator, start);
        if (sep == std::string_view::npos) return {};
        start = sep + kFieldSeparator.size();
    }
    const std::size_t end = text.find(kFieldSeparator, start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::vector<std::string> split_fields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = text.find(kFieldSeparator, start);
        if (sep == std::string_view::npos) break;
        fields.emplace_back(text.substr(start, sep - start));
        start = sep + kFieldSeparator.size();
    }
    fields.emplace_back(text.substr(start));
    return fields;
}

std::string join_fields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += kFieldSeparator;
        out += fields[i];
    }
    return out;
}

}  // namespace rebanto
