#pragma once
// The platform of the desktop program: Qt's message boxes and common dialogs, the
// system clock, a random generator started from the clock, detached processes and the help file.
#include <filesystem>
#include <random>

#include "model/platform.h"

class QWidget;

namespace rebanto::ui {

class QtPlatform : public Platform {
public:
    // Help topics are files found in help_folder (the start folder).
    explicit QtPlatform(std::filesystem::path help_folder);
    ~QtPlatform() override;

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
    void repaint() override;
    void set_wait_cursor(bool on) override;
    void help(const std::string& topic) override;

    // Fixes the generator, for tests.
    void fix_random(std::uint64_t start) { rng_ = std::mt19937_64(start); }

private:
    std::filesystem::path help_folder_;
    std::mt19937_64 rng_;
    bool wait_cursor_ = false;
};

}  // namespace rebanto::ui
