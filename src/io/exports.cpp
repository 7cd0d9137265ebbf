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

// Fills the output memo with the lines `make` writes; lines written before a failure stay
// in the memo, and the failure goes on to the caller.
template <class Make>
void fill_output_memo(Memo& memo, Make&& make) {
    std::vector<std::string> lines;
    try {
        make(lines);
    } catch (...) {
        memo.set_lines(std::move(lines));
        throw;
    }
    memo.set_lines(std::move(lines));
}

}  // namespace

std::string CompositePage::export_title(const std::string& title) {
    return title + main_.Edit46.text() + " -- " + short_date(app().platform().today()) + " -- " +
           " --";
}

void CompositePage::open_output_memo(bool csv) {
    Panel1.show();
    RichEdit4.clear();
    RichEdit4.set_plain_text(csv);
    ExportFilter = csv ? 2 : 1;
    ExportExtension = csv ? "csv" : "rtf";
}

void CompositePage::save_memo(const Memo& memo, const std::string& path) {
    if (memo.plain_text()) {
        write_lines(path, memo.lines());
        return;
    }
    const FontChoice font = font_of(memo);
    replace_file_content(path,
                         rtf_document(memo.lines(), RtfFont{font.name, font.size, font.italic}));
}

void CompositePage::memo_save_click(Control& sender) {
    const Memo& memo = &sender == &main_.Button70   ? main_.RichEdit1
                       : &sender == &main_.Button85 ? main_.RichEdit2
                                                    : RichEdit4;
    FileDialogRequest request;
    request.title = "名前を付けて保存";
    request.folder = exportFolder;
    request.filter = kExportFilter;
    request.default_ext = ExportExtension;
    request.filter_index = ExportFilter;
    const auto chosen = app().choose_save_file(request);
    if (!chosen) return;
    save_memo(memo, *chosen);
    exportFolder = folder_of(*chosen);
}

// "CSV化" of a composite table: the monthly one with its running totals brought up to date
// first.
void CompositePage::composite_csv_click(bool bonus) {
    if (!bonus) Button138Click(Button138);
    open_output_memo(true);
    fill_output_memo(RichEdit4, [&](std::vector<std::string>& lines) {
        const std::string title = bonus ? kCompositeBonusCsvTitle : kCompositeCsvTitle;
        composite_csv(bonus ? StringGrid4 : StringGrid3, bonus ? CompositeCountB : CompositeCountM,
                      bonus, export_title(title) + ",,,,,,,,,,,,,", lines);
    });
    main_.beep(Beep::Information);
}

// "印刷" of a composite table: the table as lined-up text in the output memo, to be printed
// or saved as rich text from there.
void CompositePage::composite_print_click(bool bonus) {
    Button138Click(Button138);
    open_output_memo(false);
    RichEdit4.set_font_name(kTableFont);
    fill_output_memo(RichEdit4, [&](std::vector<std::string>& lines) {
        const std::string title = bonus ? kCompositeBonusPrintTitle : kCompositePrintTitle;
        composite_print_lines(bonus ? StringGrid4 : StringGrid3,
                              bonus ? CompositeCountB : CompositeCountM, bonus, export_title(title),
                              lines);
    });
    main_.beep(Beep::Information);
}

void CompositePage::CSV3Click(Control&) {
    composite_csv_click(false);
}

void CompositePage::CSV4Click(Control&) {
    composite_csv_click(true);
}

void CompositePage::Button27Click(Control&) {
    composite_print_click(false);
}

void CompositePage::Button36Click(Control&) {
    composite_print_click(true);
}

void CompositePage::Bt1_insatuClick(Control&) {
    PrintJob job;
    job.title = "合成返済表";
    job.lines = RichEdit4.lines();
    job.font = font_of(RichEdit4);
    app().platform().print(job);
}

void CompositePage::Bt1_tojiruClick(Control&) {
    Panel1.hide();
}

}  // namespace rebanto
