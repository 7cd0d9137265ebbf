#include "ui/down_payment_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/dialog_parts.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr int kMoneyChars = 13;

}  // namespace

DownPaymentView::DownPaymentView(DownPaymentDialog& form, Label* total_caption, Edit* total,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    // The dialog's own hint sits on its frame.
    lay_out_dialog(this, put, form_.Panel1,
                   {build_amounts(), build_units(), build_result(total_caption, total)},
                   build_buttons());
    binder_->bind_window(this);
    binder_->flush();
}

// The sale price and the least down payment the buyer wants to make.
QWidget* DownPaymentView::build_amounts() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QGridLayout* grid = field_grid(widget, this);
    put.place(grid, 0, 0, form_.Label1);
    figure_field(put.place(grid, 0, 1, form_.Edit1), kMoneyChars);
    put.place(grid, 1, 0, form_.Label2);
    figure_field(put.place(grid, 1, 1, form_.Edit2), kMoneyChars);
    grid->setColumnStretch(2, 1);
    return widget;
}

// The unit the instalment is cut to, and the rank below it.
QWidget* DownPaymentView::build_units() {
    Placer put(*binder_);
    QWidget* box = put.make(form_.GroupBox1, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 4, 10, 6);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    RadioButton* units[] = {&form_.RadioButton1, &form_.RadioButton2, &form_.RadioButton3,
                            &form_.RadioButton4, &form_.RadioButton5, &form_.RadioButton6,
                            &form_.RadioButton7};
    for (int i = 0; i < 7; ++i) {
        put.place(grid, i % 4, i / 4, *units[i]);
    }
    QWidget* rank = nullptr;
    QHBoxLayout* row = row_widget(rank, 6);
    put.add(row, form_.Label3);
    figure_field(put.add(row, form_.Edit4), 3);
    fit_button(put.add(row, form_.Button5));
    row->addStretch(1);
    grid->addWidget(rank, 3, 1, 1, 2);
    return box;
}

// "↓計算", the down payment decided and what became of the last balance.
QWidget* DownPaymentView::build_result(Label* total_caption, Edit* total) {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QGridLayout* grid = field_grid(widget, this);
    QWidget* compute = put.place(grid, 0, 0, form_.Button8);
    embolden(compute);
    fit_button(compute, 96);
    put.place(grid, 1, 0, form_.Label5);
    figure_field(put.place(grid, 1, 1, form_.Edit3), kMoneyChars);
    if (total != nullptr && total_caption != nullptr) {
        put.place(grid, 2, 0, *total_caption);
        figure_field(put.place(grid, 2, 1, *total), kMoneyChars);
    }
    QWidget* message = put.place(grid, 3, 0, form_.Label4, 1, 3);
    embolden(message);
    grid->setColumnStretch(2, 1);
    return widget;
}

QWidget* DownPaymentView::build_buttons() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget, 6);
    row->addStretch(1);
    fit_button(put.add(row, form_.Button4), 80);
    fit_button(put.add(row, form_.Button3), 80);
    return widget;
}

}  // namespace rebanto::ui
