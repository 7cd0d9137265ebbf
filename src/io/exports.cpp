// The exports of the memos and the composite tables: the one save dialog, rich text or
// plain text by the memo's mode, the composite tables as CSV and as text to print, and
// printing the output memo.
#include "base/date.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "io/composite_csv.h"
#include "io/composite_print.h"
#include "io/rtf.h"
#include "tables/file_names.h"

namespace rebanto {

namespace {

constexpr const char* kExportFilter = "リッチテキスト保存(*.rtf)|*.rtf|表計算用CSV保存|*.csv";
// Tables are columns of characters: they are shown and printed in a fixed-pitch font.
constexpr const char* kTableFont = "ＭＳ ゴシック";
constexpr int kDesignFontSize = 10;

FontChoice font_of(const Memo& memo) {
    return FontChoice{memo.font_name(), memo.font_size() > 0 ? memo.font_size() : kDesignFontSize,
                      false, memo.italic(), "black"};
}

}  // namespace

std::string TForm1::export_title(const std::string& title) {
    return title + Edit46.text() + " -- " + short_date(app_.platform().today()) + " -- " + " --";
}

void TForm1::open_output_memo(bool csv) {
    Panel1.show();
    RichEdit4.clear();
    RichEdit4.set_plain_text(csv);
    ExportFilter = csv ? 2 : 1;
    ExportExtension = csv ? "csv" : "rtf";
}

void TForm1::save_memo(const Memo& memo, const std::string& path) {
    if (memo.plain_text()) {
        write_lines(path, memo.lines());
        return;
    }
    const FontChoice font = font_of(memo);
    replace_file_content(path,
                         rtf_document(memo.lines(), RtfFont{font.name, font.size, font.italic}));
}

void TForm1::memo_save_click(Control& sender) {
    const Memo& memo = &sender == &Button70   ? RichEdit1
                       : &sender == &Button85 ? RichEdit2
                                              : RichEdit4;
    FileDialogRequest request;
    request.title = "名前を付けて保存";
    request.folder = exportFolder;
    request.filter = kExportFilter;
    request.default_ext = ExportExtension;
    request.filter_index = ExportFilter;
    const auto chosen = app_.platform().save_file(request);
    if (!chosen) return;
    save_memo(memo, *chosen);
    exportFolder = folder_of(*chosen);
}

// "CSV化": the composite monthly table, its running totals brought up to date first, or
// the composite bonus table.
void TForm1::CSV3Click(Control&) {
    Button138Click(Button138);
    open_output_memo(true);
    std::vector<std::string> lines;
    try {
        composite_csv(StringGrid3, CompositeCountM, false,
                      export_title(kCompositeCsvTitle) + ",,,,,,,,,,,,,", lines);
    } catch (...) {
        RichEdit4.set_lines(std::move(lines));
        throw;
    }
    RichEdit4.set_lines(std::move(lines));
    beep(Beep::Information);
}

void TForm1::CSV4Click(Control&) {
    open_output_memo(true);
    std::vector<std::string> lines;
    try {
        composite_csv(StringGrid4, CompositeCountB, true,
                      export_title(kCompositeBonusCsvTitle) + ",,,,,,,,,,,,,", lines);
    } catch (...) {
        RichEdit4.set_lines(std::move(lines));
        throw;
    }
    RichEdit4.set_lines(std::move(lines));
    beep(Beep::Information);
}

// "印刷" of the composite tables: the table as lined-up text in the output memo, to be
// printed or saved as rich text from there.
void TForm1::Button27Click(Control&) {
    Button138Click(Button138);
    open_output_memo(false);
    RichEdit4.set_font_name(kTableFont);
    std::vector<std::string> lines;
    composite_print_lines(StringGrid3, CompositeCountM, false, export_title(kCompositePrintTitle),
                          lines);
    RichEdit4.set_lines(std::move(lines));
    beep(Beep::Information);
}

void TForm1::Button36Click(Control&) {
    Button138Click(Button138);
    open_output_memo(false);
    RichEdit4.set_font_name(kTableFont);
    std::vector<std::string> lines;
    composite_print_lines(StringGrid4, CompositeCountB, true,
                          export_title(kCompositeBonusPrintTitle), lines);
    RichEdit4.set_lines(std::move(lines));
    beep(Beep::Information);
}

void TForm1::Bt1_insatuClick(Control&) {
    PrintJob job;
    job.title = "合成返済表";
    job.lines = RichEdit4.lines();
    job.font = font_of(RichEdit4);
    app_.platform().print(job);
}

void TForm1::Bt1_tojiruClick(Control&) {
    Panel1.hide();
}

}  // namespace rebanto
