// The difference table, the CSV texts and the charts of the comparison window.
#include "base/date.h"
#include "compare/comparison_csv.h"
#include "compare/difference.h"
#include "forms/app.h"
#include "forms/tformhi.h"

namespace rebanto {

namespace {

constexpr const char* kTablesMissing =
    "差引計算の前に、Ａ表とＢ表をそれぞれ「加算実行」で作成して下さい。";

}  // namespace

void TFormHi::Button3Click(Control&) {
    const int titles_a = static_cast<int>(Label1.tag());
    const int titles_b = static_cast<int>(Label2.tag());
    if (titles_a <= 0 || titles_b <= 0) {
        app_.platform().message(kTablesMissing);
        return;
    }
    comparison::Rows rows;
    const auto keep = [&] {
        StringGrid3.assign_rows(std::move(rows));
        Label3.set_tag(titles_a + titles_b);
    };
    try {
        comparison::difference_rows(StringGrid1, titles_a, StringGrid2, titles_b,
                                    app_.main.RadioButton6.checked(), rows);
    } catch (...) {
        keep();  // the rows worked out before the bad cell stay
        throw;
    }
    keep();
}

void TFormHi::CsvClick(Control& sender) {
    const Grid& table = &sender == &CSV1   ? StringGrid1
                        : &sender == &CSV2 ? StringGrid2
                                           : StringGrid3;
    const Label& titles = &sender == &CSV1 ? Label1 : &sender == &CSV2 ? Label2 : Label3;
    const char* title = &sender == &CSV1   ? comparison::kCsvTitleA
                        : &sender == &CSV2 ? comparison::kCsvTitleB
                                           : comparison::kCsvTitleDifference;
    TForm1& f = app_.main;
    f.open_output_memo(true);
    f.PageControl1.set_active_page(f.TabSheet7);
    std::vector<std::string> lines;
    try {
        comparison::comparison_csv(table, static_cast<int>(titles.tag()),
                                   f.export_title(title) + ",,,,,,,,,,,,,", lines);
    } catch (...) {
        f.RichEdit4.set_lines(std::move(lines));
        throw;
    }
    f.RichEdit4.set_lines(std::move(lines));
    f.beep(Beep::Information);
}

void TFormHi::ChartClick(Control& sender) {
    const comparison::ChartTable which = &sender == &Button14 ? comparison::ChartTable::A
                                         : &sender == &Button15
                                             ? comparison::ChartTable::B
                                             : comparison::ChartTable::Difference;
    const Grid& table = &sender == &Button14   ? StringGrid1
                        : &sender == &Button15 ? StringGrid2
                                               : StringGrid3;
    const Label& titles = &sender == &Button14 ? Label1 : &sender == &Button15 ? Label2 : Label3;
    show_chart(comparison::chart_of(table, static_cast<int>(titles.tag()), which));
}

}  // namespace rebanto
