// Leaving the program: saving the settings, recording the rate list, and the two ways of
// starting it again.
#include "base/errors.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// The main window's close: the settings are saved unless the user chose not to; a file
// that cannot be written is reported and the program still ends. Memories never saved and
// a pack list the user wants recorded but that was not keep the program running.
void TForm1::close() {
    if (!NoSave) {
        try {
            settings_save();
        } catch (const FileError& e) {
            app_.platform().error(e.what());
        }
    }
    if (!confirm_memories_lost()) return;
    if (!ask_to_record_pack_list()) return;
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

bool PackSlotsPage::confirm_memories_lost() {
    const std::string unsaved = app().cur.unsaved_slots();
    if (unsaved.empty()) return true;
    return app().platform().ask(
        "一時記憶" + unsaved +
        "の内容は保存されていないため、終了すると失われます。終了しますか。");
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
void SettingsPage::Button101Click(Control&) {
    NoSave = true;
    main_.close();
    // The user chose to stay: no second program, and the settings are saved at the exit.
    if (main_.visible()) {
        NoSave = false;
        return;
    }
    start_again(app());
}

// "再起動": the settings are saved with the state at the click, then a new run starts.
void SettingsPage::Button105Click(Control&) {
    main_.close();
    if (main_.visible()) return;
    start_again(app());
    NoSave = true;
}

}  // namespace rebanto
