#include "model/headless_platform.h"

#include <chrono>
#include <ctime>

namespace rebanto {

namespace {

std::string beep_name(Beep kind) {
    switch (kind) {
        case Beep::Default:
            return "default";
        case Beep::Warning:
            return "warning";
        case Beep::Information:
            return "information";
    }
    return "default";
}

}  // namespace

HeadlessPlatform::HeadlessPlatform() : rng_(12345) {}

void HeadlessPlatform::beep(Beep kind) {
    log_.push_back("beep " + beep_name(kind));
}

void HeadlessPlatform::message(const std::string& text) {
    log_.push_back("info " + text);
}

bool HeadlessPlatform::ask(const std::string& text) {
    bool yes = false;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    log_.push_back("question " + text + " -> " + (yes ? "yes" : "no"));
    return yes;
}

void HeadlessPlatform::error(const std::string& text) {
    log_.push_back("error " + text);
}

std::optional<std::string> HeadlessPlatform::open_file(const FileDialogRequest& request) {
    last_file_request_ = request;
    if (files_.empty()) return std::nullopt;
    std::string path = files_.front();
    files_.pop_front();
    return path;
}

std::optional<std::string> HeadlessPlatform::save_file(const FileDialogRequest& request) {
    return open_file(request);
}

bool HeadlessPlatform::print(const PrintJob& job) {
    printed_.push_back(job);
    log_.push_back("print " + job.title);
    return true;
}

std::optional<FontChoice> HeadlessPlatform::choose_font(const FontChoice&) {
    if (fonts_.empty()) return std::nullopt;
    FontChoice font = fonts_.front();
    fonts_.pop_front();
    return font;
}

std::optional<std::string> HeadlessPlatform::find_text(const std::string&) {
    return std::nullopt;
}

Date HeadlessPlatform::today() {
    if (fixed_today_) return today_;
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::int64_t HeadlessPlatform::now_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

double HeadlessPlatform::random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

int HeadlessPlatform::random_int(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

void HeadlessPlatform::randomize() {
    if (!fixed_random_) rng_ = std::mt19937_64(static_cast<std::uint64_t>(now_ms()));
}

bool HeadlessPlatform::start_process(const std::string& program,
                                     const std::vector<std::string>& args, const std::string&) {
    std::string line = "start " + program;
    for (const auto& arg : args)
        line += " " + arg;
    log_.push_back(line);
    return true;
}

void HeadlessPlatform::help(const std::string& topic) {
    log_.push_back("help " + topic);
}

std::vector<std::string> HeadlessPlatform::take_log() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

}  // namespace rebanto
