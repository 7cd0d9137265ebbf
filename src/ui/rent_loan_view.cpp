#include "ui/rent_loan_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/dialog_parts.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

RentLoanView::RentLoanView(TOKBotGenyachinDlg& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    lay_out_dialog(this, put, form_.Panel1, {build_rent(), build_conditions()}, build_buttons());
    binder_->bind_window(this);
    binder_->flush();
}

// The rent, and the share of it kept for the owner's costs ("％" steps it by 5 %).
QWidget* RentLoanView::build_rent() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QGridLayout* grid = field_grid(widget, this, 6);
    put.place(grid, 0, 0, form_.Label1);
    figure_field(put.place(grid, 0, 1, form_.Edit1), 12);
    put.place(grid, 0, 2, form_.Label3);
    clickable_look(put.place(grid, 1, 0, form_.Label2, 1, 1, Qt::AlignRight));
    figure_field(put.place(grid, 1, 1, form_.Edit2), 12);
    clickable_look(put.place(grid, 1, 2, form_.Label4));
    grid->setColumnStretch(3, 1);
    return widget;
}

QWidget* RentLoanView::build_conditions() {
    Placer put(*binder_);
    QWidget* box = put.make(form_.GroupBox1, this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
    put.add(column, form_.RadioButton1);
    put.add(column, form_.RadioButton2);
    return box;
}

QWidget* RentLoanView::build_buttons() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget, 6);
    row->addStretch(1);
    QWidget* ok = put.add(row, form_.OKBtn);
    embolden(ok);
    fit_button(ok, 80);
    fit_button(put.add(row, form_.CancelBtn), 80);
    return widget;
}

}  // namespace rebanto::ui
