// The settings file "kinri.ini": one value per line at fixed line numbers, loaded at
// start-up and saved at exit, with a repair path for a damaged or missing file. What each
// line holds is the settings table; this file walks it.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "io/settings_lines.h"
#include "io/settings_table.h"

namespace rebanto {

namespace {

constexpr std::size_t kRepairLines = 100;
constexpr const char* kSettingsFile = "kinri.ini";

// The repair appends 100 lines "0". Lines of "0" after the stored values are what earlier
// repairs appended: they are dropped first, so that repeated repairs never make the file
// grow. Any other line there is carried along as it is.
void repair_length(std::vector<std::string>& lines, std::vector<std::string>& bytes) {
    while (lines.size() > settings_table().size() && lines.back() == "0")
        lines.pop_back();
    if (bytes.size() > lines.size()) bytes.resize(lines.size());
    lines.insert(lines.end(), kRepairLines, "0");
}

// The last text of a loan field that the reader of its line takes.
void keep_loan_text(const SettingsLine& line, const std::string& text, std::string& kept) {
    if (settings_line_accepts(line, text)) kept = text;
}

std::string& kept_loan_text(TForm1& f, const Control& field) {
    for (auto& [loan_field, kept] : f.LoanTextsKept) {
        if (loan_field == &field) return kept;
    }
    throw std::logic_error("a loan line without a kept text");
}

// A loan field holding a text the calculation refused keeps its last value the reader
// takes: the next start must be able to read what is saved.
std::string saved_text(TForm1& f, const SettingsLine& line) {
    switch (line.kind) {
        case SettingsKind::Constant:
            return line.constant;
        case SettingsKind::Text:
            return line.control(f).text();
        case SettingsKind::Loan: {
            std::string& kept = kept_loan_text(f, line.control(f));
            keep_loan_text(line, line.control(f).text(), kept);
            return kept;
        }
        case SettingsKind::Tag:
            return std::to_string(line.control(f).tag());
        case SettingsKind::Handled:
            return line.save(f);
        case SettingsKind::Carried:
            break;
    }
    throw std::logic_error("a carried settings line is not saved");
}

void apply_line(TForm1& f, SettingsReader& in, const SettingsLine& line) {
    switch (line.kind) {
        case SettingsKind::Text:
        case SettingsKind::Loan:
            if (auto v = line.read(in, line.line)) line.control(f).set_text(*v);
            break;
        case SettingsKind::Tag:
            if (auto v = in.whole(line.line)) line.control(f).set_tag(*v);
            break;
        case SettingsKind::Handled:
            if (line.load) line.load(f, in, line.line);
            break;
        case SettingsKind::Carried:
        case SettingsKind::Constant:
            break;
    }
}

// A store with bad lines is marked damaged and written again at once. The user of a file
// that was read (`line_count` lines) is told what happened: the file written again, or why
// it was not.
void repair_settings(TForm1& f, const std::filesystem::path& path,
                     const std::vector<std::size_t>& bad_lines,
                     std::optional<std::size_t> line_count) {
    Platform& platform = f.app().platform();
    platform.beep(Beep::Default);  // always, whatever the sound setting
    repair_length(f.Memo3, f.Memo3Bytes);
    try {
        f.settings_save();
    } catch (const FileError& e) {
        platform.error(line_count ? damage_message(path.string(), bad_lines, *line_count, e.what())
                                  : e.what());
        return;
    }
    if (line_count) platform.message(damage_message(path.string(), bad_lines, *line_count));
}

}  // namespace

void SettingsPage::settings_save() {
    if (Memo3.size() < settings_table().size()) Memo3.resize(settings_table().size(), "0");
    for (const SettingsLine& line : settings_table()) {
        if (line.kind != SettingsKind::Carried) Memo3[line.line] = saved_text(main_, line);
    }
    // One value the file cannot hold must not cost every other setting: it is saved in the
    // nearest form the file has, and the user is told which one.
    const std::filesystem::path path = app().start_folder() / kSettingsFile;
    const SettingsBytes file = settings_bytes(Memo3, Memo3Bytes);
    replace_file_content(path, file.bytes);
    if (!file.changed_lines.empty()) {
        app().platform().message(changed_message(path.string(), file.changed_lines));
    }
}

// Values are applied line by line. A line that is missing, unreadable or not the number
// its value needs leaves its field as it is; the other lines are still applied. Then the
// store is marked damaged with 100 lines "0" and the current state is written back at once.
void SettingsPage::settings_load() {
    const std::filesystem::path path = app().start_folder() / kSettingsFile;
    std::vector<ReadLine> lines;
    std::optional<std::size_t> line_count;
    try {
        lines = read_file_lines(path);
        line_count = lines.size();
    } catch (const FileError& e) {
        // No file is the first run; a file that is there but cannot be read is worth a word.
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) app().platform().error(e.what());
    }
    Memo3.clear();
    Memo3Bytes.clear();
    for (const ReadLine& line : lines) {
        Memo3.push_back(line.text);
        Memo3Bytes.push_back(line.bytes);
    }

    SettingsReader in(lines);
    for (const SettingsLine& line : settings_table())
        apply_line(main_, in, line);
    main_.recolour_indicators();
    main_.Button106Click(main_.Button106);
    // The record in the store is the one to apply at the next paint.
    PlacementRestored = false;

    if (!in.bad_lines().empty()) {
        repair_settings(main_, path, in.bad_lines(), line_count);
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(app().start_folder() / "UserData", ignored);
    HelpFile = (app().documents_folder() / "Vorpen.hlp").string();
    try {
        main_.load_rate_list_file(data_path(Edit66.text()));
    } catch (const std::exception&) {
        // Without the list file the list keeps its design rates; the list editor reports
        // its own errors when the user opens a file.
    }
    Edit58.set_text(Edit46.text());
    main_.Bt0_allClearClick(main_.Bt0_allClear);
}

// Every text a loan field takes is checked as the settings reader would check it, so the
// value saved is the last one the next start can read.
void SettingsPage::track_loan_texts() {
    std::vector<Control*> loan_fields;
    for (const SettingsLine& line : settings_table()) {
        if (line.kind != SettingsKind::Loan) continue;
        LoanTextsKept.emplace_back(&line.control(main_), line.control(main_).text());
        loan_fields.push_back(&line.control(main_));
    }
    // Most texts that change are of other fields: the observer follows the loan fields alone.
    main_.add_observer(
        [this](Control* control, Change, int, int) {
            for (auto& [field, kept] : LoanTextsKept) {
                if (control != field) continue;
                for (const SettingsLine& line : settings_table()) {
                    if (line.kind == SettingsKind::Loan && &line.control(main_) == control)
                        keep_loan_text(line, control->text(), kept);
                }
            }
        },
        {Change::Text}, loan_fields);
}

// Saves killed half-way leave their temporary files beside the settings, the memories,
// the packs and the exports; the next start clears those whose process is gone.
void SettingsPage::remove_stale_saves() {
    std::vector<std::filesystem::path> folders{app().start_folder()};
    for (const std::string* folder :
         {&main_.dataFolder, &main_.packListFolder, &main_.exportFolder, &main_.packFolder}) {
        if (!folder->empty()) folders.emplace_back(*folder);
    }
    for (const auto& folder : folders)
        remove_stale_temp_files(folder);
}

void SettingsPage::Bt_saveClick(Control&) {
    try {
        settings_save();
    } catch (const FileError& e) {
        app().platform().error(e.what());
    }
}

// After a Load the main window is painted again, and that paint applies the placement
// record just read (the window positions, font sizes and the zoom of the current tables).
void SettingsPage::Bt_loadClick(Control&) {
    settings_load();
    if (CheckBox4.checked()) restore_placement();
}

void SettingsPage::Button86Click(Control&) {
    const bool on = Button86.tag() != 1;
    Button86.set_tag(on ? 1 : 0);
    Button86.set_caption(on ? "音有" : "音無");
}

}  // namespace rebanto
