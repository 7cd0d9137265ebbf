#pragma once
// The headless runner: drives the App on a HeadlessPlatform, one command per line.
#include <iosfwd>
#include <string>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {

class ScriptRunner {
public:
    // Exit codes of a run.
    static constexpr int kOk = 0;
    static constexpr int kExpectFailed = 1;
    static constexpr int kBadScript = 2;

    ScriptRunner(App& app, HeadlessPlatform& platform, std::ostream& out, std::ostream& err);

    // Runs every line of the stream. Stops at the first malformed line or unknown target
    // (exit 2); a failed `expect` is reported and the run goes on, ending with exit 1.
    int run(std::istream& in);

private:
    App& app_;
    HeadlessPlatform& platform_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace rebanto
