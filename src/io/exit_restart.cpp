// Leaving the program: saving the settings, recording the rate list, and the two ways of
// starting it again.
#include "base/errors.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// The main window's close: the settings are saved unless the user chose not to; a file
// that cannot be written is reported and the program still ends.
void TForm1::close() {
    if (!NoSave) {
        try {
            settings_save();
        } catch (const FileError& e) {
            app_.platform().error(e.what());
        }
    }
    try {
        ask_to_record_pack_list();
    } catch (const std::exception& e) {
        app_.platform().error(e.what());
    }
    try {
        app_.rate_list.record_at_exit();
    } catch (const FileError& e) {
        app_.platform().error(e.what());
    }
    for (Form* window : app_.forms()) {
        if (window != this) window->hide();
    }
    hide();
}

namespace {

bool start_again(App& app) {
    const bool started =
        app.platform().start_process(app.program(), {"--start-folder", app.start_folder().string()},
                                     app.start_folder().string());
    if (!started) app.platform().error("新しいRebantoを起動できませんでした: " + app.program());
    return started;
}

}  // namespace

// "非Save終了・再起動": the settings file keeps what it held before this run.
void TForm1::Button101Click(Control&) {
    start_again(app_);
    NoSave = true;
    close();
}

// "再起動": the settings are saved with the state at the click, then a new run starts.
void TForm1::Button105Click(Control&) {
    close();
    start_again(app_);
    NoSave = true;
}

}  // namespace rebanto
