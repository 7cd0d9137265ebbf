#pragma once
// A started App on a HeadlessPlatform in an empty start folder, and a way to run a
// script against it and look at what it wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "forms/app.h"
#include "model/headless_platform.h"
#include "runner/script_runner.h"

namespace rebanto::testing {

class RunnerTest : public ::testing::Test {
protected:
    RunnerTest();
    ~RunnerTest() override;

    // Runs the script with a fresh runner; out() and err() hold what this run wrote.
    int run(const std::string& script);
    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }
    std::vector<std::string> out_lines() const;

    std::filesystem::path folder_;
    HeadlessPlatform platform_;
    App app_;

private:
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace rebanto::testing
