// The manual pack reader, driven through "読込" of the main window as a user would: the
// chosen file is read into the current tables, the table state re-derived from its
// settings rows. A file that cannot be read must be reported, naming the file, with the
// tables as they were; a file that was read must save and read back unchanged.
#include "base/errors.h"
#include "base/linefile.h"
#include "fuzz_app.h"
#include "tables/pack_file.h"

using namespace rebanto;
using namespace rebanto::fuzz;

namespace {

struct Shown {
    std::vector<std::vector<std::string>> monthly;
    std::vector<std::vector<std::string>> bonus;
    std::string loan_date, first_monthly_date, first_bonus_date;
    std::int64_t instalment_rounding, interest_rounding, accrual_unit;
    std::string method;
    bool operator==(const Shown&) const = default;
};

Shown shown(App& app) {
    TForm1& f = app.main;
    return {cells_of(app.cur.StGr1),
            cells_of(app.cur.StGr2),
            f.MsEd8_yusi.text(),
            f.MsEd8_mon.text(),
            f.MsEd8_bon.text(),
            f.HRh.tag(),
            f.HRr.tag(),
            f.FuriR.tag(),
            f.HHkkgg.text()};
}

// The first difference, for the report of a broken rule.
std::string difference(const Shown& a, const Shown& b) {
    const auto tables = [](const char* name, const auto& x, const auto& y) -> std::string {
        if (x.size() != y.size()) {
            return std::string(name) + " rows " + std::to_string(x.size()) + " / " +
                   std::to_string(y.size());
        }
        for (std::size_t r = 0; r < x.size(); ++r) {
            for (std::size_t c = 0; c < x[r].size() && c < y[r].size(); ++c) {
                if (x[r][c] != y[r][c]) {
                    return std::string(name) + " cell " + std::to_string(r) + "," +
                           std::to_string(c) + ": \"" + x[r][c] + "\" / \"" + y[r][c] + "\"";
                }
            }
        }
        return {};
    };
    std::string d = tables("monthly", a.monthly, b.monthly);
    if (d.empty()) d = tables("bonus", a.bonus, b.bonus);
    if (d.empty()) d = "dates or settings";
    return d;
}

bool readable(const std::string& path) {
    try {
        read_pack_file(path);
        return true;
    } catch (const FileError&) {
    } catch (const PackFileError&) {
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    TForm1& f = fuzz.app.main;
    // Every input starts from the same small tables, so that one input alone repeats a run.
    static const std::string start_tables = [&] {
        const std::string path = fuzz.path_of("start.mpc");
        f.Save_mpc(path);
        return path;
    }();
    f.Open_mpc(start_tables);
    fuzz.events();

    const std::string path = fuzz.put_file("input.mpc", data, size);
    const bool can_read = readable(path);
    const Shown before = shown(fuzz.app);
    fuzz.platform.queue_file(path);
    f.Button87.on_click(f.Button87);
    std::vector<std::string> events = fuzz.events();

    if (!can_read) {
        require(error_names_file(events, path), "an unreadable pack file gave no message naming it",
                events);
        require(shown(fuzz.app) == before, "an unreadable pack file changed the tables or settings",
                events);
        return 0;
    }
    // What was loaded can be kept: saved, and read back as it stands.
    const std::string saved = fuzz.path_of("saved.mpc");
    const Shown loaded = shown(fuzz.app);
    try {
        f.Save_mpc(saved);
        f.Open_mpc(saved);
    } catch (const std::exception&) {
        require(false, "loaded tables could not be saved and read back", events);
    }
    const Shown again = shown(fuzz.app);
    if (!(again == loaded)) events.push_back("first difference: " + difference(loaded, again));
    require(again == loaded, "loaded tables read back differently after a save", events);
    return 0;
}
