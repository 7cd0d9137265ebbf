#pragma once
// A start folder of the benchmark's own, emptied before and removed after: no settings file
// of the machine is read or written, and no run sees what an earlier one left.
#include <filesystem>
#include <string>

#include "forms/app.h"

namespace rebanto {

struct BenchFolder {
    explicit BenchFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        options.start_folder = path;
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::filesystem::path path;
    AppOptions options;
};

}  // namespace rebanto
