#pragma once
// Everything that is not plain computation: sounds, message boxes, common dialogs, the
// clock, the random generator, processes, repaint during long runs and help.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/date.h"

namespace rebanto {

enum class Beep { Default, Warning, Information };

struct FileDialogRequest {
    std::string title;
    std::string folder;       // initial folder
    std::string file_name;    // initial file name
    std::string filter;       // e.g. "パックファイル (*.mpc)|*.mpc"
    std::string default_ext;  // without the dot
    int filter_index = 1;     // the filter chosen when the dialog opens, counted from 1
};

struct FontChoice {
    std::string name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    std::string color = "black";
};

struct PrintJob {
    std::string title;  // the job title shown in the print queue
    std::vector<std::string> lines;
    FontChoice font;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual void beep(Beep kind) = 0;
    // Information box with OK.
    virtual void message(const std::string& text) = 0;
    // Confirmation with Yes/No; true for Yes.
    virtual bool ask(const std::string& text) = 0;
    // An error box (a file that cannot be read, a conversion failure outside the engine).
    virtual void error(const std::string& text) = 0;

    virtual std::optional<std::string> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> save_file(const FileDialogRequest& request) = 0;
    // Shows the print dialog and prints; false when the user cancelled.
    virtual bool print(const PrintJob& job) = 0;
    virtual std::optional<FontChoice> choose_font(const FontChoice& initial) = 0;
    virtual std::optional<std::string> find_text(const std::string& initial) = 0;

    virtual Date today() = 0;
    // Milliseconds since the epoch.
    virtual std::int64_t now_ms() = 0;

    // Uniform random numbers: [0, 1) and [0, n).
    virtual double random() = 0;
    virtual int random_int(int n) = 0;
    // Starts the generator from the clock.
    virtual void randomize() = 0;

    // Starts a program; false when it could not be started.
    virtual bool start_process(const std::string& program, const std::vector<std::string>& args,
                               const std::string& working_folder) = 0;
    // Lets the screen follow a long run.
    virtual void repaint() = 0;
    virtual void set_wait_cursor(bool on) = 0;
    virtual void help(const std::string& topic) = 0;
};

}  // namespace rebanto
