// The pack list reader, driven through "パックリスト読込" of the main window, then every
// slot recalled and the run over all packs, as a user would after reading a list. A list
// that cannot be read is reported naming the file with the slots as they were; whatever
// was read, the recalls and the run end in messages, never in a crash, and a list read
// can be recorded and read back to the same slots.
#include "base/linefile.h"
#include "fuzz_app.h"

using namespace rebanto;
using namespace rebanto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    TForm1& f = fuzz.app.main;
    static const std::string empty_list = [&] {
        const std::string path = fuzz.path_of("empty.krp");
        write_lines(path, std::vector<std::string>(250, "-"));
        return path;
    }();
    fuzz.platform.queue_file(empty_list);
    f.Button80.on_click(f.Button80);
    fuzz.events();

    const std::string path = fuzz.put_file("input.krp", data, size);
    const auto slots_before = f.PackSlots;
    fuzz.platform.queue_file(path);
    f.Button80.on_click(f.Button80);
    std::vector<std::string> events = fuzz.events();
    if (has_event(events, "error ")) {
        require(error_names_file(events, path), "an unreadable pack list gave no message naming it",
                events);
        require(f.PackSlots == slots_before, "an unreadable pack list changed the slots", events);
        return 0;
    }
    const auto read = f.PackSlots;
    const std::string recorded = fuzz.path_of("recorded.krp");
    fuzz.platform.queue_file(recorded);
    f.Button81.on_click(f.Button81);
    fuzz.platform.queue_file(recorded);
    f.Button80.on_click(f.Button80);
    events = fuzz.events();
    require(f.PackSlots == read, "a recorded pack list read back to other slots", events);
    // Recalls and the run over all packs: only messages may come of a strange list. A
    // small input keeps the run short.
    if (size < 4096) {
        for (int s = 1; s <= 10; ++s) {
            f.select_slot(s);
            f.Button79.on_click(f.Button79);
        }
        f.Button82.on_click(f.Button82);
    }
    fuzz.events();
    return 0;
}
