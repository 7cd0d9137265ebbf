#include "fuzz_app.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace rebanto::fuzz {

namespace fs = std::filesystem;

namespace {

// Every input writes and reads files: a memory file system keeps that fast.
fs::path scratch_base() {
    const fs::path shm = "/dev/shm";
    std::error_code ec;
    if (fs::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0) return shm;
    return fs::temp_directory_path();
}

fs::path make_start_folder() {
    const fs::path folder = scratch_base() / ("rebanto-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path* folder_to_remove = nullptr;

void remove_start_folder() {
    std::error_code ignored;
    if (folder_to_remove != nullptr) fs::remove_all(*folder_to_remove, ignored);
}

}  // namespace

FuzzApp::FuzzApp() : folder(make_start_folder()), app(platform, AppOptions{folder}) {
    platform.set_today(Date{2026, 12, 8});
    platform.fix_random(1);
    app.start();
    platform.take_log();
}

FuzzApp& FuzzApp::get() {
    // Never destroyed: the run ends with the process.
    static FuzzApp* const instance = [] {
        auto* made = new FuzzApp();
        folder_to_remove = &made->folder;
        std::atexit(remove_start_folder);
        return made;
    }();
    return *instance;
}

std::string FuzzApp::path_of(const std::string& name) const {
    return (folder / name).string();
}

std::string FuzzApp::put_file(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = path_of(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    require(static_cast<bool>(out), "the input could not be put into the start folder");
    return path;
}

void require(bool ok, const char* rule, const std::vector<std::string>& events) {
    if (ok) return;
    std::fprintf(stderr, "\n*** reader rule broken: %s\n", rule);
    for (const std::string& event : events)
        std::fprintf(stderr, "***   %s\n", event.c_str());
    std::abort();
}

bool has_event(const std::vector<std::string>& events, const std::string& prefix) {
    for (const std::string& event : events) {
        if (event.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

bool error_names_file(const std::vector<std::string>& events, const std::string& path) {
    for (const std::string& event : events) {
        if (event.rfind("error ", 0) == 0 && event.find(path) != std::string::npos) return true;
    }
    return false;
}

std::vector<std::vector<std::string>> cells_of(const Grid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.row_count(); ++r)
        rows.push_back(grid.row_cells(r));
    return rows;
}

}  // namespace rebanto::fuzz
