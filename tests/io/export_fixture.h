#pragma once
// A started application with a composite monthly table of one hand-written loan: 30,000
// yen at "2" repaid in three months of 10,000 with 100 interest each, and no totals row.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app_fixture.h"

namespace rebanto::testing {

class ExportTest : public AppTest {
protected:
    static std::string n(long long v) { return std::to_string(v); }

    void write_three_months() {
        Grid& t = app.cur.StGr1;
        t.set_row_count(0);
        t.append_row({"m", "y", "mo", "P", "r", "n", "I", "k", "i", "c", "is", "ps", "np", "f"});
        t.append_row({"", "", "", "", "", "", "10100", "", "************", "", "", "", "",
                      "T･6･6･64･･･････････････････････････"});
        for (long long m = 1; m <= 3; ++m) {
            const long long balance = 30'000 - 10'000 * (m - 1);
            t.append_row({n(m), "0", n(m), n(balance), "2", n(4 - m), "10100", n(m), "100", "1",
                          "100", "10000", n(balance - 10'000), ""});
        }
    }
    void make_composite() {
        write_three_months();
        f1.copy_into_composite(false);
    }
    std::string bytes_of(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
};

}  // namespace rebanto::testing
