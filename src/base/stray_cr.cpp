#include "base/stray_cr.h"

namespace rebanto {

std::size_t line_with_stray_cr(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\r') != std::string::npos) return i + 1;
    }
    return 0;
}

}  // namespace rebanto
