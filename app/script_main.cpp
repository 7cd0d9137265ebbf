// rebanto-script [--start-folder DIR] [FILE|-] : runs a script against the headless
// application, the same App the GUI shows, started the same way.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "io/install_folders.h"
#include "runner/script_runner.h"

namespace {

constexpr std::string_view kUsage =
    "usage: rebanto-script [--start-folder DIR] [FILE|-]\n"
    "Runs the commands of FILE (standard input when FILE is missing or \"-\") against the\n"
    "application without a display.\n"
    "  --start-folder DIR  the folder of the settings and documents (default: the current\n"
    "                      directory; ~/.local/share/rebanto when installed)\n"
    "  --help              shows this text\n"
    "Exit codes: 0 success, 1 an expect failed, 2 a bad script or a failure.\n";

struct Arguments {
    std::optional<std::filesystem::path> start_folder;
    std::string script = "-";
    bool help = false;
};

// Returns nullopt after reporting a bad command line.
std::optional<Arguments> parse_arguments(int argc, char** argv) {
    Arguments args;
    bool have_script = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            args.help = true;
        } else if (arg == "--start-folder") {
            if (i + 1 >= argc) {
                std::cerr << "rebanto-script: --start-folder needs a folder\n";
                return std::nullopt;
            }
            args.start_folder = argv[++i];
        } else if (arg.starts_with("--start-folder=")) {
            args.start_folder = std::string(arg.substr(arg.find('=') + 1));
        } else if (arg.size() > 1 && arg.front() == '-') {
            std::cerr << "rebanto-script: unknown option " << arg << '\n' << kUsage;
            return std::nullopt;
        } else if (have_script) {
            std::cerr << "rebanto-script: more than one script given\n" << kUsage;
            return std::nullopt;
        } else {
            args.script = std::string(arg);
            have_script = true;
        }
    }
    return args;
}

// Everything after the command line; exceptions go to main.
int run_script(const Arguments& args) {
    using rebanto::ScriptRunner;
    rebanto::AppOptions options;
    if (args.start_folder) {
        std::error_code error;
        if (!std::filesystem::is_directory(*args.start_folder, error)) {
            std::cerr << "rebanto-script: start folder " << args.start_folder->string()
                      << " is not a folder\n";
            return ScriptRunner::kBadScript;
        }
        options.start_folder = std::filesystem::absolute(*args.start_folder);
    }
    if (const auto share = rebanto::installed_share_folder(rebanto::running_executable())) {
        options.documents_folder = *share;
        if (!args.start_folder) options.start_folder = rebanto::user_start_folder(*share);
    }

    std::ifstream file;
    if (args.script != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(args.script, error)) {
            std::cerr << "rebanto-script: " << args.script << " is a folder, not a script\n";
            return ScriptRunner::kBadScript;
        }
        file.open(args.script, std::ios::binary);
        if (!file) {
            std::cerr << "rebanto-script: cannot read " << args.script << '\n';
            return ScriptRunner::kBadScript;
        }
    }
    std::istream& in = args.script == "-" ? std::cin : file;

    rebanto::HeadlessPlatform platform;
    rebanto::App app(platform, options);
    app.start();
    ScriptRunner runner(app, platform, std::cout, std::cerr);
    return runner.run(in);
}

}  // namespace

int main(int argc, char** argv) {
    using rebanto::ScriptRunner;
    const std::optional<Arguments> args = parse_arguments(argc, argv);
    if (!args) return ScriptRunner::kBadScript;
    if (args->help) {
        std::cout << kUsage;
        return ScriptRunner::kOk;
    }
    try {
        return run_script(*args);
    } catch (const std::exception& e) {
        // Start-up failures; the runner reports its own lines' errors itself.
        std::cout.flush();
        std::cerr << "rebanto-script: error: " << e.what() << '\n';
        return ScriptRunner::kBadScript;
    }
}
