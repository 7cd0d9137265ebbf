#include "ui/second_repayment_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

SecondRepaymentView::SecondRepaymentView(TForm8& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 8);
    column->setSpacing(6);
    column->addWidget(build_intervals());
    column->addWidget(build_first_month());
    column->addWidget(build_months());
    column->addStretch(1);
    column->addWidget(build_buttons());
    binder_->bind_window(this);
    binder_->flush();
}

// Six intervals, from once a year to every month, in two columns.
QWidget* SecondRepaymentView::build_intervals() {
    Placer put(*binder_);
    QWidget* box = put.make(form_.GroupBox2, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 4, 10, 6);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    RadioButton* radios[] = {&form_.RadioButton1, &form_.RadioButton2, &form_.RadioButton3,
                             &form_.RadioButton4, &form_.RadioButton5, &form_.RadioButton6};
    for (int i = 0; i < 6; ++i) {
        put.place(grid, i % 3, i / 3, *radios[i]);
    }
    return box;
}

// The month of the first payment, counted from the month the loan was made.
QWidget* SecondRepaymentView::build_first_month() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget, 6);
    row->setContentsMargins(4, 0, 0, 0);
    figure_field(put.add(row, form_.Edit1), 4);
    clickable_look(put.add(row, form_.Label1));
    row->addStretch(1);
    return widget;
}

// Which months of a year carry a payment: shown, not chosen.
QWidget* SecondRepaymentView::build_months() {
    Placer put(*binder_);
    QWidget* box = put.make(form_.GroupBox1, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 4, 10, 6);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    CheckBox* boxes[] = {&form_.CheckBox1, &form_.CheckBox2,  &form_.CheckBox3,  &form_.CheckBox4,
                         &form_.CheckBox5, &form_.CheckBox6,  &form_.CheckBox7,  &form_.CheckBox8,
                         &form_.CheckBox9, &form_.CheckBox10, &form_.CheckBox11, &form_.CheckBox12};
    for (int i = 0; i < 12; ++i) {
        put.place(grid, i / 4, i % 4, *boxes[i]);
    }
    return box;
}

QWidget* SecondRepaymentView::build_buttons() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget, 6);
    mute(put.add(row, form_.LaVers));
    row->addStretch(1);
    QWidget* apply = put.add(row, form_.Button1);
    fit_button(apply, 110);
    embolden(apply);
    return widget;
}

}  // namespace rebanto::ui
