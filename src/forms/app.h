#pragma once
// The application: owns one instance of every window, created once at start in the order
// below and never destroyed before exit.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "forms/calculator_windows.h"
#include "forms/row_sync.h"
#include "forms/secondary_windows.h"
#include "forms/stream_renames.h"
#include "forms/tbhoseidlg.h"
#include "forms/tforcur.h"
#include "forms/tform1.h"
#include "forms/tform10.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "forms/tform5.h"
#include "forms/tform7.h"
#include "forms/tform8.h"
#include "forms/tformg3.h"
#include "forms/tformhi.h"
#include "forms/tformkgr.h"
#include "forms/tokbotkinridlg.h"
#include "forms/tokbotkuriagedlg.h"
#include "model/platform.h"

namespace rebanto {

struct AppOptions {
    AppOptions() = default;
    explicit AppOptions(std::filesystem::path folder, std::string program_file = {})
        : start_folder(std::move(folder)), program(std::move(program_file)) {}

    // The folder of the settings file and the explanation documents.
    std::filesystem::path start_folder = std::filesystem::current_path();
    // This program, started again by the restart; empty: the running executable.
    std::string program;
    // Where the explanation documents and the help are read; empty: the start folder.
    std::filesystem::path documents_folder;
};

class App {
public:
    App(Platform& platform, AppOptions options = {});
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The start-up sequence of the main window (splash, table headers, settings),
    // leaving the main window and the current-tables window shown.
    void start();

    Platform& platform() { return platform_; }
    const std::filesystem::path& start_folder() const { return options_.start_folder; }
    const std::filesystem::path& documents_folder() const {
        return options_.documents_folder.empty() ? options_.start_folder
                                                 : options_.documents_folder;
    }
    const std::string& program() const { return options_.program; }
    // The application title (task bar), distinct from the main window's caption.
    static constexpr const char* kTitle = "RebantoVer7.7";

    // The save dialog, for a file the user names. The program's own settings files
    // ("kinri.ini", "kinriOP.ini" of the start folder) are refused with an error naming
    // the file, and then nothing is chosen.
    std::optional<std::string> choose_save_file(const FileDialogRequest& request);
    // True, after the error, when `target` is one of those settings files.
    bool refuse_settings_file(const std::filesystem::path& target);

    // Every window in creation order, and by class name.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* find_form(const std::string& name) const;

    // Every control that shows the second stream's name or interval.
    StreamRenames stream_renames;
    // Every schedule grid that follows a row clicked in another.
    RowSync row_sync;

private:
    Platform& platform_;
    AppOptions options_;
    std::vector<Form*> forms_;

public:
    TForm1 main;
    TForm2 splash;
    TForCur cur;
    TForm4 navigator;
    TForm5 cur_chart{*this};
    TForm3 composite_chart{*this};
    TOKBotKuriageDlg prepayment_dialog;
    TOKBotGenyachinDlg rent_dialog{*this};
    TOKBotKinriDlg rate_change_dialog;
    TOKBotAdonDlg addon_dialog{*this};
    TForm6 down_payment{*this};
    TForm7 rate_list;
    TForm8 second_repayment;
    TForm9 down_payment_bonus{*this};
    TForm10 study_navigator;
    TForm18 pension;
    TBHoseiDlg bonus_correction;
    TFormHi compare{*this};
    TFormG3 effect_chart{*this};
    TFormKGr aux_chart{*this};
};

}  // namespace rebanto
