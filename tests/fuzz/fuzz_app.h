#pragma once
// What every reader's fuzz target shares: one application started once for the whole run
// on the headless platform, in a start folder of its own, and the rules a reader must keep
// on any input.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/app.h"
#include "model/grid.h"
#include "model/headless_platform.h"

namespace rebanto::fuzz {

class FuzzApp {
public:
    // Built and started at the first call; lives to the end of the process.
    static FuzzApp& get();

    // Puts the input bytes, as they are, into the start folder under `name`; the full path.
    std::string put_file(const std::string& name, const std::uint8_t* data, std::size_t size);
    // A path in the start folder.
    std::string path_of(const std::string& name) const;
    // The platform's events since the last call; every input starts with an empty log, so
    // the log cannot grow over a run.
    std::vector<std::string> events() { return platform.take_log(); }

    HeadlessPlatform platform;
    std::filesystem::path folder;
    App app;

private:
    FuzzApp();
};

// Ends the run as a crash, with the rule that was broken, when `ok` is false; the events
// that led to it are printed too.
void require(bool ok, const char* rule, const std::vector<std::string>& events = {});

// Whether an event starts with `prefix` ("error ", "beep default").
bool has_event(const std::vector<std::string>& events, const std::string& prefix);
// Whether an error message was shown that names the file.
bool error_names_file(const std::vector<std::string>& events, const std::string& path);

// Every cell of a grid, row by row.
std::vector<std::vector<std::string>> cells_of(const Grid& grid);

}  // namespace rebanto::fuzz
