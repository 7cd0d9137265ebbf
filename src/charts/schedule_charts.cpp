// The four fills of the chart windows: the current monthly and bonus tables, the
// composite monthly and bonus tables, each under its title and background colour.
#include "forms/app.h"
#include "forms/tform3.h"
#include "forms/tform5.h"

namespace rebanto {

void TForm5::chart_monthly() {
    chart_table(app_.cur.StGr1, ChartedTable::Current,
                "カレント表グラフ　---　月表　---　 (グラフ部分Wクリックで本体表示)",
                {0xFF, 0x80, 0x40});
}

void TForm5::chart_bonus() {
    chart_table(app_.cur.StGr2, ChartedTable::Current,
                "カレント表グラフ　---" + app_.main.Button67.caption() +
                    "表---　 (グラフ部分Wクリックで本体表示)",
                {0x80, 0x80, 0xFF});
}

void TForm3::chart_monthly() {
    chart_table(app_.main.StringGrid3, ChartedTable::Composite,
                "合成表グラフ　---　合成返済表　---　 (グラフ部分Wクリックで本体表示)",
                {0x80, 0x00, 0x00});
}

void TForm3::chart_bonus() {
    chart_table(app_.main.StringGrid4, ChartedTable::Composite,
                "合成表グラフ　---　" + app_.main.Button67.caption() +
                    "返済表　---　 (グラフ部分Wクリックで本体表示)",
                {0x00, 0x00, 0x80});
}

}  // namespace rebanto
