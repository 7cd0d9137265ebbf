// "表計算用（数値）": the tables as numbers a spreadsheet can add up, saved at once through
// the export dialog, as UTF-8 CSV or as an Excel workbook by the name chosen.
#include <filesystem>

#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "io/numeric_files.h"
#include "tables/file_names.h"

namespace rebanto {

namespace {

constexpr const char* kNumericFilter =
    "表計算用CSV（UTF-8）(*.csv)|*.csv|Excelブック(*.xlsx)|*.xlsx";
constexpr const char* kMonthlyComposite = "合成返済表";
constexpr const char* kBonusComposite = "合成ボーナス返済表";

bool names_workbook(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".xlsx";
}

}  // namespace

void CompositePage::save_numeric(const std::vector<numeric::Table>& tables,
                                 const std::string& file_name) {
    FileDialogRequest request;
    request.title = "表計算用（数値）で保存";
    request.folder = exportFolder;
    request.file_name = file_name;
    request.filter = kNumericFilter;
    request.default_ext = "csv";
    const auto chosen = app().platform().save_file(request);
    if (!chosen) return;
    const std::string bytes =
        names_workbook(*chosen) ? numeric::xlsx_bytes(tables) : numeric::csv_bytes(tables);
    std::error_code ec;
    const bool existed = std::filesystem::exists(*chosen, ec);
    try {
        replace_file_content(*chosen, bytes);
    } catch (const FileError& e) {
        if (!existed) throw;
        throw FileError(std::string(e.what()) + "（元のファイルは変更されていません）");
    }
    exportFolder = folder_of(*chosen);
    main_.beep(Beep::Information);
}

void CompositePage::CSV3_suutiClick(Control&) {
    Button138Click(Button138);  // the running totals brought up to date, as for "CSV化"
    save_numeric({numeric::composite_table(StringGrid3, CompositeCountM, false, kMonthlyComposite)},
                 std::string(kMonthlyComposite) + ".csv");
}

void CompositePage::CSV4_suutiClick(Control&) {
    save_numeric({numeric::composite_table(StringGrid4, CompositeCountB, true, kBonusComposite)},
                 std::string(kBonusComposite) + ".csv");
}

}  // namespace rebanto
