// The runner's script parser and every command it drives: any bytes as a script end with
// exit 0, 1 or 2 and leave the application usable, never a crash or an escaped exception.
#include <sstream>

#include "fuzz_app.h"
#include "runner/script_runner.h"

using namespace rebanto;
using namespace rebanto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp& fuzz = FuzzApp::get();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    ScriptRunner runner(fuzz.app, fuzz.platform, out, err);
    int status = -1;
    try {
        status = runner.run(in);
    } catch (const std::exception& e) {
        require(false, e.what());
    }
    require(status == ScriptRunner::kOk || status == ScriptRunner::kExpectFailed ||
                status == ScriptRunner::kBadScript,
            "the runner ended with an exit outside 0, 1 and 2");
    fuzz.events();
    return 0;
}
