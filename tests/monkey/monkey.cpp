// The monkey: random runner scripts, each numbered and repeatable, over every control of every
// window, each run by rebanto-script in a start folder of its own. A run fails when the runner ends
// other than with exit 0, 1 or 2, takes longer than the timeout, or leaves a "kinri.ini" that the
// next start cannot read whole; its script is then kept.
//   rebanto-monkey --runner PATH [--scripts N] [--first N] [--commands C] [--timeout SEC]
//                  [--keep DIR]
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "forms/app.h"
#include "model/grid.h"
#include "model/headless_platform.h"

namespace fs = std::filesystem;
using namespace rebanto;

namespace {

struct Options {
    std::string runner;
    int scripts = 200;
    std::uint64_t first = 1;
    int commands = 30;
    int timeout = 20;
    fs::path keep = "monkey-failures";
};

struct Target {
    std::string name;  // Form.Control
    std::string kind;
    int rows = 0;
    int cols = 0;
};

// Every control of every window, as the runner names them.
std::vector<Target> every_control() {
    HeadlessPlatform platform;
    const fs::path folder =
        fs::temp_directory_path() / ("rebanto-monkey-list-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<Target> targets;
    {
        App app(platform, AppOptions{folder});
        app.start();
        for (Form* form : app.forms()) {
            for (Control* control : form->controls()) {
                Target t{form->name() + "." + control->name(), std::string(control->kind())};
                if (auto* grid = dynamic_cast<Grid*>(control)) {
                    t.rows = grid->row_count();
                    t.cols = grid->col_count();
                }
                targets.push_back(t);
            }
        }
    }
    fs::remove_all(folder);
    return targets;
}

// Texts a user might type or paste, the limits and what lies beyond them.
const std::vector<std::string> kTexts = {
    "0",          "1",          "-1",          "6",          "12",         "35",
    "2.325",      "0.0001",     "100",         "150",        "999",        "1000",
    "30000000",   "9999999999", "10000000000", "2147483648", "1e309",      "-1e300",
    "NaN",        "inf",        "\"\"",        "x",          "30,000,000", "３０００００００",
    "30000000円", "2026/12/08", "99/13/32",    "1.5e+3",     "  7 ",       "-",
    ".",          "%",          "山田",        "a･b･c",      "12000",      "12001",
    "-12001"};

std::string pick(std::mt19937_64& rng, const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

int below(std::mt19937_64& rng, int n) {
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

std::string command_for(std::mt19937_64& rng, const Target& t, const fs::path& folder) {
    const std::vector<std::string> files = {
        (folder / "a.mpc").string(),          (folder / "b.krp").string(),
        (folder / "c.ksl").string(),          (folder / "d.txh").string(),
        (folder / "e.csv").string(),          (folder / "kinri.ini").string(),
        (folder / "kinriOP.ini").string(),    (folder / "pipe").string(),
        (folder / "none" / "f.mpc").string(), "/dev/zero"};
    switch (below(rng, 12)) {
        case 0:
            return std::string("answer ") + (below(rng, 2) ? "yes" : "no");
        case 1:
            return "file " + pick(rng, files);
        default:
            break;
    }
    const std::string& n = t.name;
    if (t.kind == "Grid") {
        const int r = below(rng, std::max(t.rows, 1));
        const int c = below(rng, std::max(t.cols, 1));
        if (below(rng, 2)) return "select " + n + " " + std::to_string(r) + " " + std::to_string(c);
        return "cell " + n + " " + std::to_string(r) + " " + std::to_string(c) + " " +
               pick(rng, kTexts);
    }
    if (t.kind == "Edit" || t.kind == "ComboBox" || t.kind == "DateTimePicker") {
        switch (below(rng, 6)) {
            case 0:
            case 1:
            case 2:
                return "set " + n + " " + pick(rng, kTexts);
            case 3:
                return "dblclick " + n;
            case 4:
                return "exit " + n;
            default:
                return "rclick " + n;
        }
    }
    if (t.kind == "TrackBar") return "set " + n + " " + std::to_string(below(rng, 500) - 50);
    if (t.kind == "CheckBox" || t.kind == "RadioButton") {
        return "check " + n + (below(rng, 2) ? " on" : " off");
    }
    if (t.kind == "Memo" || t.kind == "PageControl") return "hover " + n;
    switch (below(rng, 5)) {
        case 0:
            return "dblclick " + n;
        case 1:
            return "rclick " + n;
        case 2:
            return "hover " + n;
        default:
            return "click " + n;
    }
}

std::string script_for(std::uint64_t number, const Options& options,
                       const std::vector<Target>& targets, const fs::path& folder) {
    std::mt19937_64 rng(number);
    std::string script =
        "# rebanto-monkey script " + std::to_string(number) + "\ntoday 2026/12/08\n";
    for (int i = 0; i < options.commands; ++i)
        script +=
            command_for(rng, targets[below(rng, static_cast<int>(targets.size()))], folder) + "\n";
    // Most runs end the way a user leaves, which writes the settings file.
    if (below(rng, 4) != 0) {
        script += std::string("answer ") + (below(rng, 2) ? "yes" : "no") + "\nclose TForm1\n";
    }
    return script;
}

enum class Outcome { Exited, Signalled, TimedOut };

struct Run {
    Outcome outcome = Outcome::Exited;
    int code = 0;
};

Run run_runner(const Options& options, const fs::path& folder, const fs::path& script,
               const fs::path& output) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(out, 1);
        ::dup2(null, 2);
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        ::execl(options.runner.c_str(), options.runner.c_str(), "--start-folder", folder.c_str(),
                script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeout);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return {Outcome::TimedOut, 0};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFSIGNALED(status)) return {Outcome::Signalled, WTERMSIG(status)};
    return {Outcome::Exited, WEXITSTATUS(status)};
}

// The next start on the same folder reads "kinri.ini" whole: no message or error about it
// (a repair always names the file; a beep alone is the calculation refusing a loan the
// file holds, which the file keeps as it was saved).
std::string next_start_problem(const fs::path& folder) {
    HeadlessPlatform platform;
    App app(platform, AppOptions{folder});
    app.start();
    for (const std::string& event : platform.take_log()) {
        if (event.find("kinri.ini") != std::string::npos) {
            return "the next start could not read kinri.ini whole: " + event;
        }
    }
    return {};
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--runner") {
            options.runner = fs::absolute(value).string();  // the runner starts in its folder
        } else if (key == "--scripts") {
            options.scripts = std::atoi(value.c_str());
        } else if (key == "--first") {
            options.first = std::strtoull(value.c_str(), nullptr, 10);
        } else if (key == "--commands") {
            options.commands = std::atoi(value.c_str());
        } else if (key == "--timeout") {
            options.timeout = std::atoi(value.c_str());
        } else if (key == "--keep") {
            options.keep = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !options.runner.empty() && options.scripts > 0 &&
           options.commands > 0 && options.timeout > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: rebanto-monkey --runner PATH [--scripts N] [--first N] "
                     "[--commands C] [--timeout SEC] [--keep DIR]\n";
        return 2;
    }
    const std::vector<Target> targets = every_control();
    const fs::path work =
        fs::temp_directory_path() / ("rebanto-monkey-" + std::to_string(::getpid()));
    int failures = 0;
    for (int i = 0; i < options.scripts; ++i) {
        const std::uint64_t number = options.first + static_cast<std::uint64_t>(i);
        const fs::path folder = work / "start";
        fs::remove_all(work);
        fs::create_directories(folder);
        ::mkfifo((folder / "pipe").c_str(), 0600);
        const fs::path script = work / "monkey.script";
        const std::string text = script_for(number, options, targets, folder);
        std::ofstream(script, std::ios::binary) << text;
        const Run run = run_runner(options, folder, script, work / "output");
        std::string problem;
        if (run.outcome == Outcome::TimedOut) {
            problem = "no end after " + std::to_string(options.timeout) + " s";
        } else if (run.outcome == Outcome::Signalled) {
            problem = "ended by signal " + std::to_string(run.code);
        } else if (run.code != 0 && run.code != 1 && run.code != 2) {
            problem = "exit " + std::to_string(run.code);
        } else {
            problem = next_start_problem(folder);
        }
        if (!problem.empty()) {
            ++failures;
            fs::create_directories(options.keep);
            const fs::path kept = options.keep / ("script-" + std::to_string(number) + ".script");
            std::ofstream(kept, std::ios::binary) << text;
            std::cerr << "script " << number << ": " << problem << " (script: " << kept.string()
                      << ")\n";
        }
    }
    fs::remove_all(work);
    std::cout << options.scripts << " scripts of " << options.commands << " commands from number "
              << options.first << " over " << targets.size()
              << " controls: " << (options.scripts - failures) << " clean, " << failures
              << " failed\n";
    return failures == 0 ? 0 : 1;
}
