#include "runner_fixture.h"

#include <unistd.h>

namespace rebanto::testing {

namespace {

std::filesystem::path make_start_folder() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("rebanto-script-test-" + std::to_string(::getpid()) + "-" +
                                    info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

RunnerTest::RunnerTest() : folder_(make_start_folder()), app_(platform_, AppOptions{folder_}) {
    app_.start();
    platform_.take_log();  // a first start beeps once for the settings file it creates
}

RunnerTest::~RunnerTest() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

int RunnerTest::run(const std::string& script) {
    out_.str({});
    err_.str({});
    std::istringstream in(script);
    ScriptRunner runner(app_, platform_, out_, err_);
    return runner.run(in);
}

std::vector<std::string> RunnerTest::out_lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out_.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace rebanto::testing
