// What every page asks of its window and of the application, whichever subsystem it
// belongs to: the guard around its handlers, the beep, the data folder and the save dialog.
#include <filesystem>

#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tform1.h"

namespace rebanto {

Handler TForm1::guard(void (TForm1::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TForm1::beep(Beep kind) {
    if (sound_on() && BeepsHeld == 0) app_.platform().beep(kind);
}

std::string SettingsPage::data_path(const std::string& name) const {
    if (!main_.dataFolder.empty()) return main_.dataFolder + name;
    return (app().start_folder() / name).string();
}

namespace {

// The same file, whatever the path says: through links, "..", or another name of it.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    if (ec) return false;
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

}  // namespace

bool App::refuse_settings_file(const std::filesystem::path& target) {
    for (const char* own : {"kinri.ini", "kinriOP.ini"}) {
        if (same_file(target, options_.start_folder / own)) {
            platform_.error(target.string() +
                            ": Rebanto の設定ファイルのため、保存先にはできません");
            return true;
        }
    }
    return false;
}

std::optional<std::string> App::choose_save_file(const FileDialogRequest& request) {
    std::optional<std::string> chosen = platform_.save_file(request);
    if (chosen && refuse_settings_file(*chosen)) return std::nullopt;
    return chosen;
}

}  // namespace rebanto
