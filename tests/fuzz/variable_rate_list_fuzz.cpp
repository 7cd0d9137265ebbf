// The variable-rate list reader, driven through "読込" of the list panel as a user would:
// the chosen ".txh" file becomes Memo1 line by line and fills the 70 half-years of the grid.
// A file that cannot be read must be reported, naming the file, with the list as it was;
// a file that was read must record through "記録" and read back unchanged.
#include "base/errors.h"
#include "base/linefile.h"
#include "fuzz_app.h"

using namespace rebanto;
using namespace rebanto::fuzz;

namespace {

std::optional<std::vector<std::string>> file_lines(const std::string& path) {
    try {
        return read_lines(path);  // refuses a CR without its LF
    } catch (const FileError&) {
        return std::nullopt;
    }
}

// Half-year k sits in column k div 10 + 1, row k mod 10 + 1.
bool grid_holds(const Grid& grid, const std::vector<std::string>& lines) {
    for (std::size_t k = 0; k < 70; ++k) {
        const std::string want = k < lines.size() ? lines[k] : std::string();
        if (grid.cell(static_cast<int>(k % 10 + 1), static_cast<int>(k / 10 + 1)) != want)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    TForm1& f = fuzz.app.main;
    fuzz.events();

    const std::string path = fuzz.put_file("input.txh", data, size);
    const std::optional<std::vector<std::string>> lines = file_lines(path);
    const std::vector<std::string> memo_before = f.Memo1.lines();
    const auto grid_before = cells_of(f.StringGrid6);
    fuzz.platform.queue_file(path);
    f.Button57.on_click(f.Button57);
    std::vector<std::string> events = fuzz.events();
    if (!lines) {
        require(error_names_file(events, path), "an unreadable list file gave no message naming it",
                events);
        require(f.Memo1.lines() == memo_before && cells_of(f.StringGrid6) == grid_before,
                "an unreadable list file changed the list", events);
        return 0;
    }
    require(!has_event(events, "error "), "a readable list file gave an error", events);
    require(f.Memo1.lines() == *lines, "Memo1 does not hold the file's lines", events);
    require(grid_holds(f.StringGrid6, *lines), "the grid does not show the file's half-years",
            events);

    // "記録" writes what was read (padded to 70 half-years); it reads back the same.
    const std::string saved = fuzz.path_of("saved.txh");
    fuzz.platform.queue_file(saved);
    f.Button56.on_click(f.Button56);
    events = fuzz.events();
    require(!has_event(events, "error "), "a list that was read could not be recorded", events);
    require(file_lines(saved) == f.Memo1.lines(), "the recorded list reads back differently",
            events);
    return 0;
}
