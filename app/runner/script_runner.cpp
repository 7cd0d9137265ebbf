#include "runner/script_runner.h"

#include <istream>
#include <ostream>

namespace rebanto {

ScriptRunner::ScriptRunner(App& app, HeadlessPlatform& platform, std::ostream& out,
                           std::ostream& err)
    : app_(app), platform_(platform), out_(out), err_(err) {}

int ScriptRunner::run(std::istream&) {
    return kOk;
}

}  // namespace rebanto
