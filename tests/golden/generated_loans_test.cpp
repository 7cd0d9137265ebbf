// A thousand generated loans run to the end must print exactly what the recorded build
// printed: every cell of both tables, every memo line, the instalments and the log. The
// recording holds a digest and the length of each loan's output, and the whole output of
// the first few loans so that a difference can be read.
//   REBANTO_RECORD_GOLDEN=1 test_golden   records the files anew from this build
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "forms/app.h"
#include "generated_loans.h"
#include "model/headless_platform.h"
#include "runner/script_runner.h"
#include "temp_folder.h"

namespace rebanto::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kLoansKeptWhole = 5;

const fs::path kGoldenDir = REBANTO_GOLDEN_DIR;

std::string run_loan(int n) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.set_today(Date{2026, 12, 8});
    App app(platform, AppOptions{folder.path()});
    app.start();
    platform.take_log();
    std::istringstream script(generated_loan_script(n));
    std::ostringstream out;
    std::ostringstream err;
    ScriptRunner runner(app, platform, out, err);
    const int code = runner.run(script);
    return "exit " + std::to_string(code) + "\n" + err.str() + out.str();
}

fs::path whole_output_file(int n) {
    return kGoldenDir / ("loan-" + std::to_string(n) + ".out");
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

struct Recorded {
    std::string digest;
    std::size_t length = 0;
};

std::map<int, Recorded> read_digests() {
    std::map<int, Recorded> recorded;
    std::ifstream in(kGoldenDir / "digests.txt");
    int n = 0;
    Recorded r;
    while (in >> n >> r.digest >> r.length)
        recorded[n] = r;
    return recorded;
}

TEST(GeneratedLoans, EveryTableAndMemoMatchesTheRecordedOutput) {
    if (std::getenv("REBANTO_RECORD_GOLDEN") != nullptr) {
        std::ofstream digests(kGoldenDir / "digests.txt", std::ios::binary | std::ios::trunc);
        for (int n = 0; n < kGeneratedLoans; ++n) {
            const std::string output = run_loan(n);
            digests << n << ' ' << output_digest(output) << ' ' << output.size() << '\n';
            if (n < kLoansKeptWhole) {
                std::ofstream(whole_output_file(n), std::ios::binary | std::ios::trunc) << output;
            }
        }
        GTEST_SKIP() << "recorded " << kGeneratedLoans << " loans in " << kGoldenDir;
    }
    const std::map<int, Recorded> recorded = read_digests();
    ASSERT_EQ(recorded.size(), static_cast<std::size_t>(kGeneratedLoans));
    int differing = 0;
    for (int n = 0; n < kGeneratedLoans; ++n) {
        const std::string output = run_loan(n);
        if (n < kLoansKeptWhole) {
            EXPECT_EQ(output, read_file(whole_output_file(n))) << "loan " << n;
        }
        const Recorded& want = recorded.at(n);
        if (output_digest(output) != want.digest || output.size() != want.length) {
            if (++differing <= 5) {
                ADD_FAILURE() << "loan " << n << " prints " << output.size() << " bytes, "
                              << want.length << " recorded; its script:\n"
                              << generated_loan_script(n);
            }
        }
    }
    EXPECT_EQ(differing, 0) << "loans whose output differs";
}

}  // namespace
}  // namespace rebanto::testing
