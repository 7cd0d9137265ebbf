#include "io/settings_table.h"

#include <array>
#include <filesystem>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// The main-window control a line holds, named by its member.
template <auto Member>
Control& field(TForm1& f) {
    return f.*Member;
}

// The reading rules of the lines that hold texts.
std::optional<std::string> read_text(SettingsReader& in, std::size_t n) {
    return in.text(n);
}
std::optional<std::string> read_number(SettingsReader& in, std::size_t n) {
    return in.number_text(n);
}
// A count no loan can have would overflow the months of the term.
std::optional<std::string> read_count(SettingsReader& in, std::size_t n) {
    return in.count_text(n);
}
std::optional<std::string> read_share(SettingsReader& in, std::size_t n) {
    return in.number_text(n, 0, 100);
}

// The entries of the table, one builder a kind.
template <auto Member>
constexpr SettingsLine text(std::size_t line, const char* name,
                            SettingsReadRule read = &read_text) {
    return {.line = line,
            .kind = SettingsKind::Text,
            .control = &field<Member>,
            .name = name,
            .read = read};
}
// A loan input is saved from the last text of its field that its rule takes.
template <auto Member>
constexpr SettingsLine loan(std::size_t line, const char* name, SettingsReadRule read) {
    SettingsLine entry = text<Member>(line, name, read);
    entry.kind = SettingsKind::Loan;
    return entry;
}
template <auto Member>
constexpr SettingsLine tag(std::size_t line) {
    return {.line = line, .kind = SettingsKind::Tag, .control = &field<Member>};
}
constexpr SettingsLine reserved(std::size_t line) {
    return {.line = line, .kind = SettingsKind::Constant, .constant = "0"};
}
constexpr SettingsLine handled(std::size_t line, std::string (*save)(TForm1&),
                               void (*load)(TForm1&, SettingsReader&, std::size_t) = nullptr,
                               const char* name = nullptr) {
    return {.line = line, .kind = SettingsKind::Handled, .name = name, .save = save, .load = load};
}

template <auto Box>
std::string save_flag(TForm1& f) {
    return (f.*Box).checked() ? "1" : "0";
}
template <auto Box>
void load_flag(TForm1& f, SettingsReader& in, std::size_t n) {
    if (auto v = in.text(n)) (f.*Box).set_checked(*v == "1");
}
template <auto Box>
constexpr SettingsLine flag(std::size_t line) {
    return handled(line, &save_flag<Box>, &load_flag<Box>);
}

std::string save_top(TForm1& f) {
    return std::to_string(f.top());
}
std::string save_left(TForm1& f) {
    return std::to_string(f.left());
}
std::string save_height(TForm1& f) {
    return std::to_string(f.height());
}
std::string save_width(TForm1& f) {
    return std::to_string(f.width());
}

// The page indicator is stored as its offset from the middle position 100.
std::string save_page_offset(TForm1& f) {
    return std::to_string(f.TrackBar1.position() - 100);
}
void load_page_offset(TForm1& f, SettingsReader& in, std::size_t n) {
    if (auto v = in.whole(n, -kMaxCount)) f.TrackBar1.set_position(static_cast<int>(*v) + 100);
}

std::string save_placement(TForm1& f) {
    return f.CheckBox4.checked() ? f.placement_record() : "0";
}

std::string save_rate_list_name(TForm1& f) {
    return f.app().rate_list.list_name();
}

std::string folder_text(const std::filesystem::path& folder) {
    return (folder / "").string();
}
// The data folder falls back to the start folder, the others to its "UserData" folder,
// when the line is "0" or empty.
template <std::string TForm1::*Folder>
std::string save_folder(TForm1& f) {
    return f.*Folder;
}
template <std::string TForm1::*Folder, bool InUserData>
void load_folder(TForm1& f, SettingsReader& in, std::size_t n) {
    const std::filesystem::path start = f.app().start_folder();
    if (auto v = in.text(n)) {
        f.*Folder =
            v->empty() || *v == "0" ? folder_text(InUserData ? start / "UserData" : start) : *v;
    }
}
template <std::string TForm1::*Folder, bool InUserData>
constexpr SettingsLine folder(std::size_t line, const char* name) {
    return handled(line, &save_folder<Folder>, &load_folder<Folder, InUserData>, name);
}

constexpr std::array kSettingsTable{
    SettingsLine{.line = 0, .kind = SettingsKind::Carried},
    text<&TForm1::Edit46>(1, "ユーザー名"),
    tag<&TForm1::Button86>(2),  // the sound flag
    text<&TForm1::Button86>(3, "音ボタンの表示"),
    text<&TForm1::Ed5_memoobi>(4, "メモ帯"),
    text<&TForm1::Edit39>(5, "公庫基準金利"),
    text<&TForm1::Edit51>(6, "基準外他"),
    text<&TForm1::Edit52>(7, "広床面積他"),
    text<&TForm1::Edit50>(8, "特別加算等"),
    text<&TForm1::Edit63>(9, "その他１"),
    text<&TForm1::Edit62>(10, "その他２"),
    text<&TForm1::Edit40>(11, "公庫11年以降金利"),
    text<&TForm1::Edit41>(12, "銀行変動一般金利"),
    text<&TForm1::Edit53>(13, "一般2"),
    text<&TForm1::Edit54>(14, "一般3"),
    text<&TForm1::Edit55>(15, "特殊1"),
    text<&TForm1::Edit56>(16, "特殊2"),
    text<&TForm1::Edit57>(17, "特殊3"),
    reserved(18),
    reserved(19),
    reserved(20),
    reserved(21),
    reserved(22),
    reserved(23),
    text<&TForm1::Edit66>(24, "変動金利リストのファイル名"),
    loan<&TForm1::Ed0_kin>(25, "開始金利", &read_number),
    loan<&TForm1::Ed0_nen>(26, "期間 (年)", &read_count),
    loan<&TForm1::Ed0_tuki>(27, "期間 (月)", &read_count),
    loan<&TForm1::Ed0_wari>(28, "ボーナス割合", &read_share),
    loan<&TForm1::Ed0_moto>(29, "借入額", &read_number),
    reserved(30),
    reserved(31),
    reserved(32),
    flag<&TForm1::CheckBox6>(33),  // the date picker drops a calendar down
    handled(kTopLine, &save_top),
    handled(kLeftLine, &save_left),
    SettingsLine{.line = 36, .kind = SettingsKind::Constant, .constant = "1"},
    flag<&TForm1::CheckBox4>(37),  // "窓サイズ自動記録"
    handled(kHeightLine, &save_height),
    handled(kWidthLine, &save_width),
    tag<&TForm1::HRh>(40),
    tag<&TForm1::HRr>(41),
    reserved(42),
    reserved(43),
    handled(44, &save_page_offset, &load_page_offset),
    handled(kPlacementLine, &save_placement),
    tag<&TForm1::FuriR>(46),
    folder<&TForm1::dataFolder, false>(47, "データフォルダー"),
    folder<&TForm1::packListFolder, true>(48, "パックリストフォルダー"),
    folder<&TForm1::exportFolder, true>(49, "出力フォルダー"),
    folder<&TForm1::packFolder, true>(50, "パックフォルダー"),
    handled(kRateListNameLine, &save_rate_list_name, nullptr, "金利選択リスト名"),
};

constexpr bool lines_in_order() {
    for (std::size_t n = 0; n < kSettingsTable.size(); ++n) {
        if (kSettingsTable[n].line != n) return false;
    }
    return true;
}
static_assert(lines_in_order(), "entry n of the settings table must describe line n");

}  // namespace

std::span<const SettingsLine> settings_table() {
    return kSettingsTable;
}

bool settings_line_accepts(const SettingsLine& line, const std::string& text) {
    std::vector<ReadLine> lines(line.line + 1);
    lines[line.line].text = text;
    SettingsReader in(lines);
    line.read(in, line.line);
    return in.bad_lines().empty();
}

}  // namespace rebanto
