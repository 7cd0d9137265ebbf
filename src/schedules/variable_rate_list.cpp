// The variable-rate list: 70 half-yearly rates covering 35 years, shown as 7 five-year
// blocks of 10 half-years and mirrored line by line in Memo1; its ".txh" files; the bulk
// change of all rates; the alignment of the list to the calendar of the first payments.
#include <array>
#include <filesystem>
#include <optional>

#include "base/date.h"
#include "base/decimal.h"
#include "base/errors.h"
#include "base/linefile.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "schedules/rate_list_grid.h"

namespace rebanto {

namespace {

using rate_list::col_of;
using rate_list::kHalfYears;
using rate_list::row_of;

constexpr const char* kListFilter = "変動金利リスト(*.txh)|*.txh";
constexpr std::array<const char*, rate_list::kBlocks> kBlockHeads = {
    "1-5年", "6-10年", "11-15年", "16-20年", "21-25年", "26-30年", "31-35年"};
// Every second row: the year of the block it starts (first or second five years).
constexpr std::array<const char*, 5> kYearLabels = {"1/6年", "2/7年", "3/8年", "4/9年", "5/0年"};

std::string file_name_of(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

void BatchTablesPage::memo1_to_grid() {
    const auto& lines = main_.Memo1.lines();
    for (int k = 0; k < kHalfYears; ++k) {
        const auto line = static_cast<std::size_t>(k);
        main_.StringGrid6.set_cell(row_of(k), col_of(k), line < lines.size() ? lines[line] : "");
    }
}

// Lines past the 70th are kept as they are.
void BatchTablesPage::grid_to_memo1() {
    std::vector<std::string> lines = main_.Memo1.lines();
    if (lines.size() < static_cast<std::size_t>(kHalfYears)) lines.resize(kHalfYears);
    for (int k = 0; k < kHalfYears; ++k) {
        lines[static_cast<std::size_t>(k)] = main_.StringGrid6.cell(row_of(k), col_of(k));
    }
    main_.Memo1.set_lines(std::move(lines));
}

void BatchTablesPage::show_rate_list_panel() {
    main_.StringGrid6.set_cell(rate_list::kHeadRow, rate_list::kLabelCol, "金利表");
    for (int col = 1; col <= static_cast<int>(kBlockHeads.size()); ++col) {
        main_.StringGrid6.set_cell(rate_list::kHeadRow, col,
                                   kBlockHeads[static_cast<std::size_t>(col - 1)]);
    }
    for (int row = 1; row <= rate_list::kHalfYearsPerBlock; ++row) {
        main_.StringGrid6.set_cell(
            row, rate_list::kLabelCol,
            row % 2 == 1 ? kYearLabels[static_cast<std::size_t>(row / 2)] : "");
    }
    memo1_to_grid();
    main_.GroupBox9.show();
}

// The panel sits on the settings page; opening it brings that page forward. A panel that
// is already open keeps the edits in its grid.
void BatchTablesPage::Button54Click(Control&) {
    if (!main_.GroupBox9.visible()) show_rate_list_panel();
    main_.PageControl1.set_active_page(main_.TabSheet5);
}

void BatchTablesPage::Button55Click(Control&) {
    grid_to_memo1();
    main_.GroupBox9.hide();
}

// The whole file is checked before the list changes: every line of it is written back by
// "記録", so a line holding a carriage return is refused. Only a plain file can be a list:
// the settings name the file read at start-up, and a device or a pipe there would be read
// without end.
void BatchTablesPage::load_rate_list_file(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        throw FileError(path + ": 通常のファイルではないため読み込めません");
    }
    std::vector<std::string> lines = read_lines(path);
    main_.Memo1.set_lines(std::move(lines));
    memo1_to_grid();
    const std::string name = file_name_of(path);
    main_.Edit66.set_text(name);
    main_.Edit68.set_text(name);
}

void BatchTablesPage::save_rate_list_file(const std::string& path) {
    grid_to_memo1();  // the rates as the grid shows them, edits included
    write_lines(path, main_.Memo1.lines());
    const std::string name = file_name_of(path);
    main_.Edit66.set_text(name);
    main_.Edit68.set_text(name);
}

namespace {

// The folder of a chosen file, ending with a separator; empty when the path names none.
std::string folder_of(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) return {};
    return (parent / "").string();
}

FileDialogRequest list_file_request(const char* title, const std::string& folder,
                                    const std::string& file_name) {
    FileDialogRequest request;
    request.title = title;
    request.folder = folder;
    request.file_name = file_name;
    request.filter = kListFilter;
    request.default_ext = "txh";
    return request;
}

}  // namespace

void BatchTablesPage::Button57Click(Control&) {
    // The data folder, or the start folder before one is set.
    const std::optional<std::string> chosen = app().platform().open_file(
        list_file_request("変動金利リストの読込", main_.data_path(""), main_.Edit66.text()));
    if (!chosen) return;
    load_rate_list_file(*chosen);
    if (const std::string folder = folder_of(*chosen); !folder.empty()) main_.dataFolder = folder;
}

void BatchTablesPage::Button56Click(Control&) {
    const std::optional<std::string> chosen = app().choose_save_file(
        list_file_request("変動金利リストの記録", main_.data_path(""), main_.Edit66.text()));
    if (!chosen) return;
    save_rate_list_file(*chosen);
    if (const std::string folder = folder_of(*chosen); !folder.empty()) main_.dataFolder = folder;
}

namespace {

// The product cut to hundredths of a percent, worked out on the decimal texts: in binary
// 0.9 × 3.0 falls just short of 2.7 and would be cut to 2.69.
long double rate_times(const std::string& factor_text, long double factor,
                       const std::string& rate_text, long double rate) {
    const auto a = exact_decimal(factor_text);
    const auto b = exact_decimal(rate_text);
    if (a && b) {
        if (const auto hundredths = truncated_product(*a, *b, 2)) {
            return static_cast<long double>(*hundredths) / 100;
        }
    }
    return int_part(factor * rate * 100) / 100;  // beyond 18 digits: as near as binary gets
}

}  // namespace

// "ＧＯ": every rate of the list plus Edit69, or times Edit69 cut to hundredths. Every
// rate is read before any is written, so a cell that is not a number changes nothing;
// empty cells stay empty. The mirror follows.
void BatchTablesPage::Button84Click(Control&) {
    const long double d = num(main_.Edit69);
    const bool times = main_.RadioButton8.checked();
    std::array<std::string, kHalfYears> rates;
    for (int k = 0; k < kHalfYears; ++k) {
        const std::string& text = main_.StringGrid6.cell(row_of(k), col_of(k));
        if (text.empty()) continue;
        const long double r = to_extended(text);
        rates[static_cast<std::size_t>(k)] =
            general(times ? rate_times(main_.Edit69.text(), d, text, r) : r + d);
    }
    for (int k = 0; k < kHalfYears; ++k) {
        const std::string& rate = rates[static_cast<std::size_t>(k)];
        if (!rate.empty()) main_.StringGrid6.set_cell(row_of(k), col_of(k), rate);
    }
    grid_to_memo1();
}

// Aligned to the calendar, the list's half-years begin at fixed months of the year: the
// monthly schedule first runs the months up to that boundary, and both schedules read
// the list a few months behind their elapsed months.
void BatchTablesPage::align_rate_list() {
    if (!main_.CheckBox1.checked()) {
        ListLead = 0;
        ListOffset = 0;
        BonusListOffset = 0;
        Button91.set_caption("基無");
        return;
    }
    const Date monthly = parse_short_date(main_.MsEd8_mon.text());
    const Date bonus = parse_short_date(main_.MsEd8_bon.text());
    int lead = 7 - monthly.month % 6;
    if (lead > 5) lead -= 6;
    const int months_between =
        (bonus.year * 12 + bonus.month) - (monthly.year * 12 + monthly.month);
    ListLead = lead;
    ListOffset = -3;
    BonusListOffset = months_between - bonus.month % 6 - 8;
    Button91.set_caption("基準");
}

void BatchTablesPage::CheckBox1Click(Control&) {
    align_rate_list();
}

}  // namespace rebanto
