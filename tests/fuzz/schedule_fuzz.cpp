// rebanto-schedule's command line: any words as its arguments end with the schedule printed
// whole (exit 0), one message naming the option (exit 1) or one message of a failed
// calculation (exit 2), and nothing on standard output unless the schedule was printed;
// never a crash, an escaped exception, a hang or a huge allocation.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_app.h"
#include "schedule/schedule_command.h"
#include "schedule/schedule_options.h"

using namespace rebanto;
using namespace rebanto::schedule;
using rebanto::fuzz::require;

namespace {

const std::string kPrefix = "rebanto-schedule: ";

// The input as the shell would hand it over: words separated by blanks and line ends. An
// argument ends at a NUL byte, so a NUL separates words too.
std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

bool is_option_name(const std::string& name) {
    static const std::vector<std::string> names = {
        "--principal", "--rate",     "--years", "--months", "--bonus-share", "--method",
        "--step",      "--rounding", "--unit",  "--prepay", "--format",      "--part",
        "--encoding",  "--help",     "-h",      "--version"};
    for (const std::string& n : names)
        if (n == name) return true;
    return false;
}

// A bad option is named as the user wrote it: a known option, or a word of the command line
// (or its part before "=").
bool names_an_option(const std::string& message, const std::vector<std::string>& words) {
    const std::string body = message.substr(kPrefix.size());
    const auto colon = body.find(": ");
    if (colon == std::string::npos) return false;
    const std::string named = body.substr(0, colon);
    if (is_option_name(named)) return true;
    for (const std::string& w : words)
        if (w == named || w.substr(0, w.find('=')) == named) return true;
    return false;
}

bool is_one_message(const std::string& err) {
    return err.rfind(kPrefix, 0) == 0 && err.size() > kPrefix.size() && err.back() == '\n' &&
           err.find('\n') == err.size() - 1;
}

// A schedule of both parts printed as success has a row in one of them: empty tables are
// no schedule. Only the JSON and the delimited formats are counted here.
bool has_a_row(const std::string& out, const Request& r) {
    if (r.part != Part::Both) return true;
    if (r.format == Format::Json) {
        const auto json = nlohmann::json::parse(out);
        return !json.at("monthly").empty() || !json.at("bonus").empty();
    }
    if (r.format == Format::Csv || r.format == Format::Tsv)
        return std::count(out.begin(), out.end(), '\n') >= 2;
    return true;
}

void check_the_schedule(const std::string& out, const std::vector<std::string>& words) {
    const Request r = parse(words);
    if (r.help || r.version) return;
    if (r.format == Format::Json) {
        require(nlohmann::json::accept(out), "the JSON output does not parse");
    }
    require(has_a_row(out, r), "empty tables were printed as a schedule");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Each run works in a scratch folder of its own: a memory file system keeps that fast.
    if (::access("/dev/shm", W_OK) == 0) ::setenv("TMPDIR", "/dev/shm", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> words =
        words_of(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    int status = -1;
    try {
        status = run_command(words, Language::English, "fuzz", out, err);
    } catch (const std::exception& e) {
        require(false, (std::string("an exception escaped the command: ") + e.what()).c_str());
    }
    require(status == kPrinted || status == kBadOption || status == kCalculationFailed,
            "the command ended with an exit outside 0, 1 and 2");
    if (status == kPrinted) {
        require(err.str().empty(), "a printed schedule came with a message");
        require(!out.str().empty(), "the command printed nothing and called it success");
        check_the_schedule(out.str(), words);
        return 0;
    }
    require(out.str().empty(), "a failed command wrote to standard output");
    require(is_one_message(err.str()), "a failure was not one message line");
    if (status == kBadOption) {
        require(names_an_option(err.str(), words), "a bad option's message does not name it");
    }
    return 0;
}
