// "CSV" of the prepayment study: the study table as comma-separated lines in the output
// memo of the main window, under a title line, ready for "保存".
#include "base/csv_line.h"
#include "compare/study_table.h"
#include "forms/app.h"
#include "forms/tformhi.h"

namespace rebanto {

namespace {

constexpr const char* kStudyCsvTitle = "Rebanto（分散繰上効果検討一覧表）  -- by.";

}  // namespace

std::vector<std::string> comparison::study::csv_lines(const Grid& study, const std::string& title) {
    std::vector<std::string> lines{title};
    // Lender-style lines: the cells as they stand.
    for (int r = 0; r < study.row_count(); ++r) {
        std::vector<std::string> cells;
        cells.reserve(study.col_count());
        for (int c = 0; c < study.col_count(); ++c)
            cells.push_back(study.cell(r, c));
        lines.push_back(csv_line(cells, ',', CsvQuoting::AsGiven));
    }
    return lines;
}

void TFormHi::StudyCsvClick(Control&) {
    if (StGr5.row_count() <= comparison::study::kFirstSplitRow) {
        app_.platform().message("CSVの前に、分散効果検討一覧表を「実行」で作成して下さい");
        return;
    }
    TForm1& f = app_.main;
    f.open_output_memo(true);
    f.PageControl1.set_active_page(f.TabSheet7);
    f.RichEdit4.set_lines(comparison::study::csv_lines(StGr5, f.export_title(kStudyCsvTitle)));
    f.beep(Beep::Information);
}

}  // namespace rebanto
