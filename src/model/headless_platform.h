#pragma once
// The platform of the script runner and the tests: beeps and messages go to a log,
// dialogs take their answers from queues, the clock and the generator can be fixed.
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "model/platform.h"

namespace rebanto {

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();

    void beep(Beep kind) override;
    void message(const std::string& text) override;
    bool ask(const std::string& text) override;
    void error(const std::string& text) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;
    bool print(const PrintJob& job) override;
    std::optional<FontChoice> choose_font(const FontChoice& initial) override;
    std::optional<std::string> find_text(const std::string& initial) override;
    Date today() override;
    std::int64_t now_ms() override;
    double random() override;
    int random_int(int n) override;
    void randomize() override;
    bool start_process(const std::string& program, const std::vector<std::string>& args,
                       const std::string& working_folder) override;
    void repaint() override { ++repaints_; }
    void set_wait_cursor(bool on) override { wait_cursor_ = on; }
    void help(const std::string& topic) override;

    // Queues: an empty answer queue answers "no"; an empty file queue cancels the dialog.
    void queue_answer(bool yes) { answers_.push_back(yes); }
    void queue_file(const std::string& path) { files_.push_back(path); }
    void queue_font(const FontChoice& font) { fonts_.push_back(font); }
    void set_today(const Date& date) {
        today_ = date;
        fixed_today_ = true;
    }
    // Fixes the random sequence; a later randomize() keeps it.
    void fix_random(std::uint64_t start) {
        rng_ = std::mt19937_64(start);
        fixed_random_ = true;
    }

    // Events since the last take, one a line: "beep warning", "info TEXT",
    // "question TEXT -> yes", "error TEXT", "print TITLE", "start PROGRAM ARGS", "help TOPIC".
    std::vector<std::string> take_log();
    const std::vector<std::string>& log() const { return log_; }
    const std::vector<PrintJob>& printed() const { return printed_; }
    // What the last open or save dialog was asked to show.
    const FileDialogRequest& last_file_request() const { return last_file_request_; }
    int repaints() const { return repaints_; }
    bool wait_cursor() const { return wait_cursor_; }

private:
    std::vector<std::string> log_;
    std::deque<bool> answers_;
    std::deque<std::string> files_;
    std::deque<FontChoice> fonts_;
    std::vector<PrintJob> printed_;
    FileDialogRequest last_file_request_;
    Date today_{};
    bool fixed_today_ = false;
    std::mt19937_64 rng_;
    int repaints_ = 0;
    bool wait_cursor_ = false;
    bool fixed_random_ = false;
};

}  // namespace rebanto
