// The pages of the main window. Each page is a grid layout: a control goes on with one
// put_.place(page, row, col, form_.Control) line.
#include <QGridLayout>

#include "ui/amount_page.h"
#include "ui/binder.h"
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
                     form_.Button5, form_.UpDown1, form_.Label_m});
    build_memo_page(put_, page_layout(form_.TabSheet4),
                    {form_.RichEdit2, form_.Bt7_BClear, form_.Button7, form_.Button41,
                     form_.Button8, form_.UpDown2, form_.Label_b});
}

// "設定"
void MainWindowView::build_settings_page(QGridLayout* page) {
    put_.place(page, 0, 0, form_.Button86);
    fill_rest(page, 1, 1);
}

// "解説"
void MainWindowView::build_explanation_page(QGridLayout* page) {
    put_.place(page, 0, 0, form_.RichEdit3);
}

}  // namespace rebanto::ui
