// The settings file "kinri.ini": one value per line at fixed line numbers, loaded at
// start-up and saved at exit, with a repair path for a damaged or missing file.
#include <array>
#include <filesystem>
#include <initializer_list>

#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "io/settings_lines.h"

namespace rebanto {

namespace {

constexpr std::size_t kRepairLines = 100;
constexpr const char* kSettingsFile = "kinri.ini";

// The repair appends 100 lines "0". Lines of "0" after the stored values are what earlier
// repairs appended: they are dropped first, so that repeated repairs never make the file
// grow. Any other line there is carried along as it is.
void repair_length(std::vector<std::string>& lines, std::vector<std::string>& bytes) {
    while (lines.size() > kStoredLines && lines.back() == "0")
        lines.pop_back();
    if (bytes.size() > lines.size()) bytes.resize(lines.size());
    lines.insert(lines.end(), kRepairLines, "0");
}

std::string folder_text(const std::filesystem::path& folder) {
    return (folder / "").string();
}

}  // namespace

std::string TForm1::data_path(const std::string& name) const {
    if (!dataFolder.empty()) return dataFolder + name;
    return (app_.start_folder() / name).string();
}

void TForm1::settings_save() {
    if (Memo3.size() < kStoredLines) Memo3.resize(kStoredLines, "0");
    auto& m = Memo3;
    m[1] = Edit46.text();
    m[2] = std::to_string(Button86.tag());
    m[3] = Button86.caption();
    m[4] = Ed5_memoobi.text();
    const std::initializer_list<const Edit*> presets{&Edit39, &Edit51, &Edit52, &Edit50, &Edit63,
                                                     &Edit62, &Edit40, &Edit41, &Edit53, &Edit54,
                                                     &Edit55, &Edit56, &Edit57};
    int n = 5;
    for (const Edit* preset : presets)
        m[n++] = preset->text();
    for (int reserved = 18; reserved <= 23; ++reserved)
        m[reserved] = "0";
    m[24] = Edit66.text();
    // A loan field holding a text the calculation refused keeps its last value the reader
    // takes: the next start must be able to read what is saved.
    for (std::size_t line = kFirstLoanLine; line <= kLastLoanLine; ++line) {
        keep_loan_text(line);
        m[line] = LoanTextsKept[line - kFirstLoanLine];
    }
    for (int reserved = 30; reserved <= 32; ++reserved)
        m[reserved] = "0";
    m[33] = CheckBox6.checked() ? "1" : "0";
    m[34] = std::to_string(top());
    m[35] = std::to_string(left());
    m[36] = "1";
    m[37] = CheckBox4.checked() ? "1" : "0";
    m[38] = std::to_string(height());
    m[39] = std::to_string(width());
    m[40] = std::to_string(HRh.tag());
    m[41] = std::to_string(HRr.tag());
    m[42] = "0";
    m[43] = "0";
    m[44] = std::to_string(TrackBar1.position() - 100);
    m[45] = CheckBox4.checked() ? placement_record() : "0";
    m[46] = std::to_string(FuriR.tag());
    m[47] = dataFolder;
    m[48] = packListFolder;
    m[49] = exportFolder;
    m[50] = packFolder;
    m[51] = app_.rate_list.list_name();
    // One value the file cannot hold must not cost every other setting: it is saved in the
    // nearest form the file has, and the user is told which one.
    const std::filesystem::path path = app_.start_folder() / kSettingsFile;
    const SettingsBytes file = settings_bytes(Memo3, Memo3Bytes);
    replace_file_content(path, file.bytes);
    if (!file.changed_lines.empty()) {
        app_.platform().message(changed_message(path.string(), file.changed_lines));
    }
}

// Values are applied line by line. A line that is missing, unreadable or not the number
// its value needs leaves its field as it is; the other lines are still applied. Then the
// store is marked damaged with 100 lines "0" and the current state is written back at once.
void TForm1::settings_load() {
    const std::filesystem::path path = app_.start_folder() / kSettingsFile;
    std::vector<ReadLine> lines;
    bool read = false;
    try {
        lines = read_file_lines(path);
        read = true;
    } catch (const FileError& e) {
        // No file is the first run; a file that is there but cannot be read is worth a word.
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) app_.platform().error(e.what());
    }
    Memo3.clear();
    Memo3Bytes.clear();
    for (const ReadLine& line : lines) {
        Memo3.push_back(line.text);
        Memo3Bytes.push_back(line.bytes);
    }

    SettingsReader in(lines);
    if (auto v = in.text(1)) Edit46.set_text(*v);
    if (auto v = in.whole(2)) Button86.set_tag(*v);
    if (auto v = in.text(3)) Button86.set_caption(*v);
    if (auto v = in.text(4)) Ed5_memoobi.set_text(*v);
    int n = 5;
    for (Edit* preset : {&Edit39, &Edit51, &Edit52, &Edit50, &Edit63, &Edit62, &Edit40, &Edit41,
                         &Edit53, &Edit54, &Edit55, &Edit56, &Edit57}) {
        if (auto v = in.text(n)) preset->set_text(*v);
        ++n;
    }
    if (auto v = in.text(24)) Edit66.set_text(*v);
    for (std::size_t line = kFirstLoanLine; line <= kLastLoanLine; ++line) {
        if (auto v = read_loan_line(in, line)) loan_field(line).set_text(*v);
    }
    if (auto v = in.text(33)) CheckBox6.set_checked(*v == "1");
    if (auto v = in.text(37)) CheckBox4.set_checked(*v == "1");
    if (auto v = in.whole(40)) HRh.set_tag(*v);
    if (auto v = in.whole(41)) HRr.set_tag(*v);
    if (auto v = in.whole(44, -kMaxCount)) TrackBar1.set_position(static_cast<int>(*v) + 100);
    if (auto v = in.whole(46)) FuriR.set_tag(*v);
    recolour_indicators();
    Button106Click(Button106);

    const std::string start = folder_text(app_.start_folder());
    const std::string user_data = folder_text(app_.start_folder() / "UserData");
    auto folder = [&in](std::size_t line, std::string& value, const std::string& fallback) {
        if (auto text = in.text(line)) value = text->empty() || *text == "0" ? fallback : *text;
    };
    folder(47, dataFolder, start);
    folder(48, packListFolder, user_data);
    folder(49, exportFolder, user_data);
    folder(50, packFolder, user_data);
    // The record in the store is the one to apply at the next paint.
    PlacementRestored = false;

    if (!in.bad_lines().empty()) {
        app_.platform().beep(Beep::Default);  // always, whatever the sound setting
        repair_length(Memo3, Memo3Bytes);
        // The user is told what happened: the file written again, or why it was not.
        try {
            settings_save();
        } catch (const FileError& e) {
            app_.platform().error(
                read ? damage_message(path.string(), in.bad_lines(), lines.size(), e.what())
                     : e.what());
            return;
        }
        if (read) {
            app_.platform().message(damage_message(path.string(), in.bad_lines(), lines.size()));
        }
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(app_.start_folder() / "UserData", ignored);
    HelpFile = (app_.documents_folder() / "Vorpen.hlp").string();
    try {
        load_rate_list_file(data_path(Edit66.text()));
    } catch (const std::exception&) {
        // Without the list file the list keeps its design rates; the list editor reports
        // its own errors when the user opens a file.
    }
    Edit58.set_text(Edit46.text());
    Bt0_allClearClick(Bt0_allClear);
}

Edit& TForm1::loan_field(std::size_t line) {
    const std::array<Edit*, 5> fields{&Ed0_kin, &Ed0_nen, &Ed0_tuki, &Ed0_wari, &Ed0_moto};
    return *fields[line - kFirstLoanLine];
}

void TForm1::keep_loan_text(std::size_t line) {
    const std::string& text = loan_field(line).text();
    if (loan_line_accepts(line, text)) LoanTextsKept[line - kFirstLoanLine] = text;
}

// Every text a loan field takes is checked as the settings reader would check it, so the
// value saved is the last one the next start can read.
void TForm1::track_loan_texts() {
    for (std::size_t line = kFirstLoanLine; line <= kLastLoanLine; ++line)
        LoanTextsKept[line - kFirstLoanLine] = loan_field(line).text();
    add_observer([this](Control* control, Change change, int, int) {
        if (change != Change::Text) return;
        for (std::size_t line = kFirstLoanLine; line <= kLastLoanLine; ++line) {
            if (control == &loan_field(line)) keep_loan_text(line);
        }
    });
}

// Saves killed half-way leave their temporary files beside the settings, the memories,
// the packs and the exports; the next start clears those whose process is gone.
void TForm1::remove_stale_saves() {
    std::vector<std::filesystem::path> folders{app_.start_folder()};
    for (const std::string* folder : {&dataFolder, &packListFolder, &exportFolder, &packFolder}) {
        if (!folder->empty()) folders.emplace_back(*folder);
    }
    for (const auto& folder : folders)
        remove_stale_temp_files(folder);
}

void TForm1::Bt_saveClick(Control&) {
    try {
        settings_save();
    } catch (const FileError& e) {
        app_.platform().error(e.what());
    }
}

// After a Load the main window is painted again, and that paint applies the placement
// record just read (the window positions, font sizes and the zoom of the current tables).
void TForm1::Bt_loadClick(Control&) {
    settings_load();
    if (CheckBox4.checked()) restore_placement();
}

void TForm1::Button86Click(Control&) {
    const bool on = Button86.tag() != 1;
    Button86.set_tag(on ? 1 : 0);
    Button86.set_caption(on ? "音有" : "音無");
}

}  // namespace rebanto
