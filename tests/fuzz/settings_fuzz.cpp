// The settings reader, driven through "Load" of the settings page: "kinri.ini" in the
// start folder is read and applied line by line, and a damaged file is repaired by writing
// the current state back. Whatever it accepted or repaired must then save and load again
// without another repair.
#include <cmath>
#include <filesystem>

#include "base/errors.h"
#include "base/linefile.h"
#include "base/numtext.h"
#include "fuzz_app.h"

using namespace rebanto;
using namespace rebanto::fuzz;

namespace {

bool has_stray_cr(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n')) return true;
    }
    return false;
}

// Known and left to their owners (tests/fuzz/settings/findings): a term whose months do not
// fit an int is converted to one as it stands when the loaded term fields recalculate, and
// a page-indicator offset near the int limit overflows when 100 is added. Such inputs are
// not run, so that the rest of the reader can be fuzzed.
bool known_overflow(const std::string& path) {
    try {
        const std::vector<std::string> lines = read_lines(path);
        if (lines.size() < 28) return false;
        const auto value = [&](std::size_t n) {
            try {
                return to_extended(lines[n]);
            } catch (const ConversionError&) {
                return 0.0L;
            }
        };
        const long double months = value(26) * 12 + value(27);
        if (!(std::fabs(months) < 2147483648.0L)) return true;
        if (lines.size() < 45) return false;
        const long double offset = value(44);
        return !(offset > -2147483548.0L && offset < 2147483548.0L);
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

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

    if (known_overflow(fuzz.put_file("kinri.ini", data, size))) return 0;
    f.Bt_load.on_click(f.Bt_load);
    fuzz.events();
    // Known and left to the rework of this reader (tests/fuzz/settings/findings): a CR
    // without its LF is read into a value, and then neither Save nor the repair can write
    // the file again. Such inputs still must not crash; the rules below would only repeat
    // that finding.
    if (has_stray_cr(data, size)) return 0;

    f.Bt_save.on_click(f.Bt_save);
    const std::vector<std::string> saving = fuzz.events();
    require(!has_event(saving, "error "), "loaded settings could not be saved", saving);
    // A repair adds 100 lines to those read. (A beep alone tells nothing: a loaded amount
    // that is not a number beeps in the recalculation too.)
    const std::size_t saved_lines = read_lines(fuzz.path_of("kinri.ini")).size();
    f.Bt_load.on_click(f.Bt_load);
    const std::vector<std::string> again = fuzz.events();
    require(f.Memo3.size() == saved_lines, "saved settings needed a repair when loaded again",
            again);
    require(!has_event(again, "error "), "saved settings gave an error when loaded again", again);
    return 0;
}
