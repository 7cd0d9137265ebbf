// The pages of the main window. Each page is a grid layout: a control goes on with one
// put_.place(page, row, col, form_.Control) line.
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/amount_page.h"
#include "ui/binder.h"
#include "ui/control_flow.h"
#include "ui/main_window_view.h"
#include "ui/memo_page.h"

namespace rebanto::ui {

namespace {

// Keeps the placed controls in the top-left corner as the page grows.
void fill_rest(QGridLayout* page, int rows, int cols) {
    page->setRowStretch(rows, 1);
    page->setColumnStretch(cols, 1);
}

}  // namespace

// "個別返済額算定"
void MainWindowView::build_amount_page(QGridLayout* page) {
    amount_menu_ = AmountPage(put_, form_).build(page);
}

// "ﾒﾓ(月返済)" and "(ﾎﾞｰﾅｽ返済)"
void MainWindowView::build_memo_pages() {
    build_memo_page(put_, page_layout(form_.TabSheet3),
                    {form_.RichEdit1, form_.Bt7_MClear, form_.Button2, form_.Button40,
                     form_.Button5, form_.Button70, form_.UpDown1, form_.Label_m,
                     &form_.Button120});
    build_memo_page(put_, page_layout(form_.TabSheet4),
                    {form_.RichEdit2, form_.Bt7_BClear, form_.Button7, form_.Button41,
                     form_.Button8, form_.Button85, form_.UpDown2, form_.Label_b,
                     &form_.Button121});
}

// "一括表": the loan-product schedules, laid out from the model (group boxes side by side).
void MainWindowView::build_batch_page(QGridLayout* page) {
    FlowHints hints;
    hints.follow(form_.Edit42, form_.RadioButton2)
        .caption(form_.Edit32, QStringLiteral("金利刻み"), QStringLiteral("％"))
        .caption(form_.Edit36, QStringLiteral("変動ｼﾐｭﾚｰｼｮﾝ年数"), QStringLiteral("年"))
        .group(form_.Button64, form_.Button65, QStringLiteral("一般金利"))
        .follow(form_.Button67, form_.Button66);
    place_rest(page, form_.TabSheet2, 0, hints);
    fill_rest(page, 1, 1);
}

// "設定": sound, the memo band line, the names, the rate presets and the variable-rate
// list, laid out from the model.
void MainWindowView::build_settings_page(QGridLayout* page) {
    FlowHints hints;
    hints.caption(form_.Ed5_memoobi, QStringLiteral("メモ帯"))
        .width(form_.Ed5_memoobi, 64)
        .caption(form_.Edit46, QStringLiteral("作成者名"))
        .width(form_.Edit46, 16)
        .adopt(form_.TabSheet5, form_.Ed555, &form_.Edit46)
        .caption(form_.Ed555, QStringLiteral("作業名称ログ"))
        .width(form_.Ed555, 16)
        .adopt(form_.TabSheet5, form_.Edit40, &form_.La5_kouko11)
        .group(form_.La5_kouko_kijun, form_.Edit40, QStringLiteral("公庫等の金利"))
        .group(form_.La5_ippan1, form_.Edit57, QStringLiteral("銀行の金利"))
        .caption(form_.Edit66, QStringLiteral("変動金利ﾘｽﾄ"))
        .caption(form_.TrackBar1, QStringLiteral("ｲﾝｼﾞｹｰﾀｰ位置"))
        .caption(form_.Edit68, QStringLiteral("ﾌｧｲﾙ"))
        .width(form_.Edit68, 16);
    place_rest(page, form_.TabSheet5, 0, hints);
    fill_rest(page, 1, 1);
}

void MainWindowView::place_rest(QGridLayout* page, Panel& sheet, int row, const FlowHints& hints) {
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    page->addLayout(column, row, 0, 1, std::max(1, page->columnCount()));
    place_flow(put_, column, form_, &sheet, hints, page_width());
}

// "解説"
void MainWindowView::build_explanation_page(QGridLayout* page) {
    put_.place(page, 1, 0, form_.RichEdit3);
    page->setRowStretch(1, 1);
    // The document buttons, and whatever else the page holds, above the text.
    place_rest(page, form_.TabSheet6, 0);
}

}  // namespace rebanto::ui
