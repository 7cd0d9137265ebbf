// The pages of the main window. Each page is a grid layout: a control goes on with one
// put_.place(page, row, col, form_.Control) line.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/main_window_view.h"

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
    put_.place(page, 0, 0, form_.Label4);
    put_.place(page, 0, 1, form_.Label1);
    put_.place(page, 0, 2, form_.Label192);
    put_.place(page, 1, 0, form_.Button140);
    put_.place(page, 1, 1, form_.Label187);
    // Hidden until an indicator is clicked; it spans the page so showing it moves nothing.
    put_.place(page, 2, 0, form_.Panel5, 1, -1, Qt::AlignLeft | Qt::AlignTop);
    build_settings_panel();
    fill_rest(page, 3, 3);
}

// The settings panel: rounding of the instalment and of the interest, the accrual unit.
void MainWindowView::build_settings_panel() {
    QWidget* panel = binder_->widget(form_.Panel5);
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(10, 8, 10, 8);
    line->setSpacing(10);
    const auto group = [&](Panel& box, std::initializer_list<RadioButton*> radios) {
        QWidget* widget = put_.add(line, box);
        auto* column = new QVBoxLayout(widget);
        for (RadioButton* radio : radios)
            put_.add(column, *radio);
        column->addStretch(1);
    };
    group(form_.GrpKinto, {&form_.RB11, &form_.RB12, &form_.RB13});
    group(form_.GrpRisoku, {&form_.RB21, &form_.RB22, &form_.RB23});
    group(form_.GrpFuri,
          {&form_.Furi10000, &form_.Furi1000, &form_.Furi100, &form_.Furi10, &form_.Furi1});
    auto* buttons = new QVBoxLayout;
    put_.add(buttons, form_.Button106);
    put_.add(buttons, form_.Button147);
    buttons->addStretch(1);
    line->addLayout(buttons);
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
