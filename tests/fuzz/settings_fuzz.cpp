// The settings reader, driven through "Load" of the settings page: "kinri.ini" in the
// start folder is read and applied line by line, and a damaged file is repaired by writing
// the current state back. Whatever it accepted or repaired must then save and load again
// without another repair.
#include <filesystem>

#include "base/errors.h"
#include "base/linefile.h"
#include "fuzz_app.h"

using namespace rebanto;
using namespace rebanto::fuzz;

namespace {}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    TForm1& f = fuzz.app.main;
    // The settings as the program starts them, to go back to.
    static const std::string clean = [&] {
        const std::string path = fuzz.path_of("clean.ini");
        f.settings_save();
        std::filesystem::copy_file(fuzz.path_of("kinri.ini"), path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    // Every input starts from them, so that one input alone repeats a run: values the
    // file does not reach stay as the last load left them.
    std::filesystem::copy_file(clean, fuzz.path_of("kinri.ini"),
                               std::filesystem::copy_options::overwrite_existing);
    f.Bt_load.on_click(f.Bt_load);
    fuzz.events();

    fuzz.put_file("kinri.ini", data, size);
    f.Bt_load.on_click(f.Bt_load);
    fuzz.events();
    f.Bt_save.on_click(f.Bt_save);
    const std::vector<std::string> saving = fuzz.events();
    require(!has_event(saving, "error "), "loaded settings could not be saved", saving);
    // A repair adds 100 lines to those read. (A beep alone tells nothing: a loaded amount
    // that is not a number beeps in the recalculation too.)
    // Lines carried along are written back as they were read, stray bytes and all.
    const std::size_t saved_lines = read_file_lines(fuzz.path_of("kinri.ini")).size();
    f.Bt_load.on_click(f.Bt_load);
    const std::vector<std::string> again = fuzz.events();
    require(f.Memo3.size() == saved_lines, "saved settings needed a repair when loaded again",
            again);
    require(!has_event(again, "error "), "saved settings gave an error when loaded again", again);
    return 0;
}
