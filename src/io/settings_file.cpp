// The settings file "kinri.ini": one value per line at fixed line numbers, loaded at
// start-up and saved at exit, with a repair path for a damaged or missing file.
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
    m[25] = Ed0_kin.text();
    m[26] = Ed0_nen.text();
    m[27] = Ed0_tuki.text();
    m[28] = Ed0_wari.text();
    m[29] = Ed0_moto.text();
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
    if (auto v = in.number_text(25)) Ed0_kin.set_text(*v);
    // The term is a count of years and months: a count no loan can have would overflow the
    // months of the term, so it is a bad line like any other text that is not a number.
    if (auto v = in.count_text(26)) Ed0_nen.set_text(*v);
    if (auto v = in.count_text(27)) Ed0_tuki.set_text(*v);
    // The share of the loan repaid by bonus instalments, in percent.
    if (auto v = in.number_text(28, 0, 100)) Ed0_wari.set_text(*v);
    if (auto v = in.number_text(29)) Ed0_moto.set_text(*v);
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
        if (read) {
            app_.platform().message(damage_message(path.string(), in.bad_lines(), lines.size()));
        }
        Memo3.insert(Memo3.end(), kRepairLines, "0");
        try {
            settings_save();
        } catch (const FileError& e) {
            app_.platform().error(e.what());
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
