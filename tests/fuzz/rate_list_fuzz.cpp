// The rate selection list reader, driven through the list window as a user would: "読込"
// reads "kinriOP.ini" from the start folder, "Load" reads a chosen "*.ksl" and records the
// list to "kinriOP.ini". A file that cannot be read must be reported, naming the file, with
// the list as it was; a file that was read fills the 30 × 8 cells from its lines and is
// recorded and read back unchanged (empty cells marked "■").
#include "base/errors.h"
#include "fuzz_app.h"
#include "io/rate_list_store.h"

using namespace rebanto;
using namespace rebanto::fuzz;

namespace {

// The lines of a list file, or none when it does not qualify as one.
std::optional<std::vector<std::string>> list_lines(const std::string& path) {
    try {
        return read_rate_list(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

bool grid_holds(const Grid& grid, const std::vector<std::string>& lines, bool marked) {
    for (int row = 1; row <= kRateListRows; ++row) {
        for (int col = 0; col < kRateListCols; ++col) {
            std::string want = lines[rate_list_line(row, col)];
            if (marked && want.empty()) want = kEmptyCellMark;
            if (grid.cell(row, col) != want) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    TForm7& list = fuzz.app.rate_list;
    fuzz.events();

    // "読込": the store itself.
    const std::string store = fuzz.put_file(kRateListStore, data, size);
    const std::optional<std::vector<std::string>> lines = list_lines(store);
    auto before = cells_of(list.StringGrid7);
    list.Button141.on_click(list.Button141);
    std::vector<std::string> events = fuzz.events();
    if (!lines) {
        require(error_names_file(events, store),
                "an unreadable list store gave no message naming it", events);
        require(cells_of(list.StringGrid7) == before, "an unreadable list store changed the list",
                events);
    } else {
        require(!has_event(events, "error "), "a readable list store gave an error", events);
        require(grid_holds(list.StringGrid7, *lines, false),
                "the list does not show the store's lines", events);
    }

    // "Load": a named copy, recorded to the store at once.
    const std::string named = fuzz.put_file("input.ksl", data, size);
    before = cells_of(list.StringGrid7);
    fuzz.platform.queue_file(named);
    list.Load.on_click(list.Load);
    events = fuzz.events();
    if (!lines) {
        require(error_names_file(events, named),
                "an unreadable list file gave no message naming it", events);
        require(cells_of(list.StringGrid7) == before, "an unreadable list file changed the list",
                events);
        return 0;
    }
    require(!has_event(events, "error "), "a readable list file could not be recorded", events);
    require(grid_holds(list.StringGrid7, *lines, true), "the list does not show the file's lines",
            events);
    const std::optional<std::vector<std::string>> recorded = list_lines(store);
    require(recorded.has_value() && grid_holds(list.StringGrid7, *recorded, false),
            "the recorded store does not read back as the list", events);
    return 0;
}
