#pragma once
// A start folder of its own and a fresh run of the program on it, as often as a test needs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/linefile.h"
#include "forms/app.h"
#include "model/headless_platform.h"
#include "temp_folder.h"

namespace rebanto {

class Settings : public ::testing::Test {
protected:
    // A new run of the program on the same start folder.
    App& start() {
        platform = std::make_unique<HeadlessPlatform>();
        platform->set_today(Date{2026, 12, 8});
        app = std::make_unique<App>(*platform, AppOptions{folder.path(), "/opt/rebanto/rebanto"});
        app->start();
        return *app;
    }
    std::filesystem::path ini() const { return folder.path() / "kinri.ini"; }
    std::vector<std::string> file() { return read_lines(ini()); }
    void write(std::vector<std::string> lines) { write_lines(ini(), lines); }
    std::string start_folder() const { return (folder.path() / "").string(); }

    // The file as bytes, and its lines as bytes (CR LF removed), for values no text can hold.
    std::string bytes() const {
        std::ifstream in(ini(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void put_bytes(const std::string& content) const {
        std::ofstream(ini(), std::ios::binary | std::ios::trunc) << content;
    }
    std::vector<std::string> byte_lines() const {
        std::vector<std::string> lines;
        const std::string all = bytes();
        std::size_t start = 0;
        for (std::size_t end; (end = all.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(all.substr(start, end - start));
        }
        return lines;
    }
    void put_byte_lines(const std::vector<std::string>& lines) const {
        std::string content;
        for (const std::string& line : lines)
            content += line + "\r\n";
        put_bytes(content);
    }

    testing::TempFolder folder;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<App> app;
};

}  // namespace rebanto
