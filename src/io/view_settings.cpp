#include "io/view_settings.h"

#include <fstream>
#include <sstream>

#include "base/linefile.h"

namespace rebanto {

ViewSettings read_view_settings(const std::filesystem::path& file,
                                std::vector<std::string>& problems) {
    ViewSettings settings;
    std::ifstream in(file, std::ios::binary);
    if (!in) return settings;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line == "gestures=1" || line == "gestures=0") {
            settings.gestures = line.back() == '1';
            continue;
        }
        problems.push_back(file.string() + " " + std::to_string(number) + "行目「" + line +
                           "」は読めません（gestures=1 または gestures=0）");
    }
    return settings;
}

void write_view_settings(const std::filesystem::path& file, const ViewSettings& settings) {
    std::ostringstream out;
    out << "# Rebanto 画面の設定\n"
        << "# gestures: クリック操作で入力値を変える (1 する, 0 しない)\n"
        << "gestures=" << (settings.gestures ? '1' : '0') << '\n';
    replace_file_content(file, out.str());
}

}  // namespace rebanto
