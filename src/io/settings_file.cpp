// The settings file "kinri.ini": one value per line at fixed line numbers, loaded at
// start-up and saved at exit, with a repair path for a damaged or missing file.
#include <filesystem>
#include <initializer_list>

#include "base/errors.h"
#include "base/linefile.h"
#include "base/numtext.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr int kStoredLines = 52;  // lines 0 … 51
constexpr int kRepairLines = 100;
constexpr const char* kSettingsFile = "kinri.ini";

// A line that should exist but does not, or that should be a whole number but is not.
struct SettingsDamage {};

const std::string& line_at(const std::vector<std::string>& lines, std::size_t n) {
    if (n >= lines.size()) throw SettingsDamage{};
    return lines[n];
}

std::int64_t number_at(const std::vector<std::string>& lines, std::size_t n) {
    try {
        return to_int(line_at(lines, n));
    } catch (const ConversionError&) {
        throw SettingsDamage{};
    }
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
    write_lines(app_.start_folder() / kSettingsFile, Memo3);
}

// Values are applied line by line; a failure keeps what was applied before it, marks the
// file as damaged with 100 lines "0" and writes the current state back at once.
void TForm1::settings_load() {
    try {
        Memo3 = read_lines(app_.start_folder() / kSettingsFile);
    } catch (const FileError&) {
        Memo3.clear();
    }
    try {
        const auto& m = Memo3;
        Edit46.set_text(line_at(m, 1));
        Button86.set_tag(number_at(m, 2));
        Button86.set_caption(line_at(m, 3));
        Ed5_memoobi.set_text(line_at(m, 4));
        int n = 5;
        for (Edit* preset : {&Edit39, &Edit51, &Edit52, &Edit50, &Edit63, &Edit62, &Edit40, &Edit41,
                             &Edit53, &Edit54, &Edit55, &Edit56, &Edit57}) {
            preset->set_text(line_at(m, n++));
        }
        Edit66.set_text(line_at(m, 24));
        Ed0_kin.set_text(line_at(m, 25));
        Ed0_nen.set_text(line_at(m, 26));
        Ed0_tuki.set_text(line_at(m, 27));
        Ed0_wari.set_text(line_at(m, 28));
        Ed0_moto.set_text(line_at(m, 29));
        CheckBox6.set_checked(line_at(m, 33) == "1");
        CheckBox4.set_checked(line_at(m, 37) == "1");
        HRh.set_tag(number_at(m, 40));
        HRr.set_tag(number_at(m, 41));
        TrackBar1.set_position(static_cast<int>(number_at(m, 44)) + 100);
        FuriR.set_tag(number_at(m, 46));
        recolour_indicators();
        Button106Click(Button106);

        const std::string start = folder_text(app_.start_folder());
        const std::string user_data = folder_text(app_.start_folder() / "UserData");
        auto folder = [&m](std::size_t line, const std::string& fallback) {
            const std::string& text = line_at(m, line);
            return text.empty() || text == "0" ? fallback : text;
        };
        dataFolder = folder(47, start);
        packListFolder = folder(48, user_data);
        exportFolder = folder(49, user_data);
        packFolder = folder(50, user_data);
        std::error_code ignored;
        std::filesystem::create_directories(app_.start_folder() / "UserData", ignored);
    } catch (const SettingsDamage&) {
        app_.platform().beep(Beep::Default);  // always, whatever the sound setting
        Memo3.insert(Memo3.end(), kRepairLines, "0");
        try {
            settings_save();
        } catch (const FileError& e) {
            app_.platform().error(e.what());
        }
        return;
    }
    HelpFile = (app_.start_folder() / "Vorpen.hlp").string();
    PlacementRestored = false;
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

void TForm1::Bt_loadClick(Control&) {
    settings_load();
}

void TForm1::Button86Click(Control&) {
    const bool on = Button86.tag() != 1;
    Button86.set_tag(on ? 1 : 0);
    Button86.set_caption(on ? "音有" : "音無");
}

}  // namespace rebanto
