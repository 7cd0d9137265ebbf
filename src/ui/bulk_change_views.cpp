#include "ui/bulk_change_views.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// "OK" and "キャンセル" at the bottom right, as dialogs have them.
void add_dialog_buttons(Placer& put, QVBoxLayout* column, Button& ok, Button& cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QWidget* go = put.add(buttons, ok);
    fit_button(go, 88);
    embolden(go);
    fit_button(put.add(buttons, cancel), 88);
    column->addStretch(1);
    column->addLayout(buttons);
}

QVBoxLayout* dialog_column(QWidget* window) {
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(14, 12, 14, 10);
    column->setSpacing(8);
    return column;
}

}  // namespace

RateChangeView::RateChangeView(TOKBotKinriDlg& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    QVBoxLayout* column = dialog_column(this);
    auto* line = new QHBoxLayout;
    put.add(line, form.Label1);
    figure_field(put.add(line, form.Edit1), 5);
    put.add(line, form.Label2);
    figure_field(put.add(line, form.Edit2), 7);
    put.add(line, form.Label3);
    line->addStretch(1);
    column->addLayout(line);
    put.add(column, form.CheckBox2);
    add_dialog_buttons(put, column, form.OKBtn, form.CancelBtn);
    binder_->bind_window(this);
    binder_->flush();
}

PrepaymentChangeView::PrepaymentChangeView(TOKBotKuriageDlg& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    QVBoxLayout* column = dialog_column(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    put.place(grid, 0, 0, form.Label1);
    figure_field(put.place(grid, 0, 1, form.Edit1), 5);
    put.place(grid, 1, 0, form.Label2);
    figure_field(put.place(grid, 1, 1, form.Edit2), 11);
    fit_button(put.place(grid, 1, 2, form.Button1));
    put.place(grid, 2, 0, form.Label3);
    figure_field(put.place(grid, 2, 1, form.Edit3), 11);
    fit_button(put.place(grid, 2, 2, form.Button2));
    grid->setColumnStretch(3, 1);
    column->addLayout(grid);
    put.add(column, form.CheckBox1);
    put.add(column, form.CheckBox2);
    add_dialog_buttons(put, column, form.OKBtn, form.CancelBtn);
    binder_->bind_window(this);
    binder_->flush();
}

BonusCorrectionView::BonusCorrectionView(TBHoseiDlg& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    QVBoxLayout* column = dialog_column(this);
    auto* digits = new QHBoxLayout;
    put.add(digits, form.Label1);
    figure_field(put.add(digits, form.Edit1), 3);
    digits->addStretch(1);
    column->addLayout(digits);
    QWidget* priority = put.add(column, form.GroupBox1);
    auto* radios = new QHBoxLayout(priority);
    radios->setContentsMargins(10, 4, 10, 6);
    put.add(radios, form.RadioButton1);
    put.add(radios, form.RadioButton2);
    radios->addStretch(1);
    add_dialog_buttons(put, column, form.OKBtn, form.CancelBtn);
    binder_->bind_window(this);
    binder_->flush();
}

}  // namespace rebanto::ui
