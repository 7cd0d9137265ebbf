#include "ui/addon_view.h"

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

constexpr int kRateChars = 12;

}  // namespace

AddonView::AddonView(TOKBotAdonDlg& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    auto* note = static_cast<QLabel*>(put.make(form_.Label8, this));
    note->setWordWrap(true);
    mute(note);
    lay_out_dialog(this, put, form_.Panel1, {build_rate(), build_addon(), note}, build_buttons());
    binder_->bind_window(this);
    binder_->flush();
}

// The effective rate and the number of monthly payments; pointing at the group converts.
QWidget* AddonView::build_rate() {
    Placer put(*binder_);
    QWidget* box = put.make(form_.GroupBox1, this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    clickable_look(put.place(grid, 0, 0, form_.Label1));
    figure_field(put.place(grid, 0, 1, form_.Edit1), kRateChars);
    clickable_look(put.place(grid, 0, 2, form_.Label2));
    put.place(grid, 1, 0, form_.Label3, 1, 1, Qt::AlignRight);
    figure_field(put.place(grid, 1, 1, form_.Edit2), kRateChars);
    clickable_look(put.place(grid, 1, 2, form_.Label4));
    mute(put.place(grid, 2, 0, form_.Label5, 1, 4));
    grid->setColumnStretch(3, 1);
    return box;
}

// The add-on rate of the monthly loan, and of a loan paid half-yearly over the same term.
QWidget* AddonView::build_addon() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QGridLayout* grid = field_grid(widget, this, 6);
    grid->setContentsMargins(8, 0, 8, 0);
    QWidget* name = put.place(grid, 0, 0, form_.Label6, 1, 1, Qt::AlignRight);
    clickable_look(name);
    embolden(name);
    figure_field(put.place(grid, 0, 1, form_.Edit3), kRateChars);
    clickable_look(put.place(grid, 0, 2, form_.Label7));
    grid->addWidget(caption(*binder_, form_.CaptionHalfYearly, widget), 1, 0, Qt::AlignRight);
    QWidget* half = nullptr;
    QHBoxLayout* row = row_widget(half, 4);
    figure_field(put.add(row, form_.Edit5), 3);
    row->addWidget(caption(*binder_, form_.CaptionHalfYearCount, half));
    row->addSpacing(8);
    figure_field(put.add(row, form_.Edit4), kRateChars);
    row->addWidget(caption(*binder_, form_.CaptionHalfYearRate, half));
    row->addStretch(1);
    grid->addWidget(half, 1, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return widget;
}

QWidget* AddonView::build_buttons() {
    Placer put(*binder_);
    QWidget* widget = nullptr;
    QGridLayout* grid = field_grid(widget, this, 6);
    fit_button(put.place(grid, 0, 0, form_.Button1), 96);
    fit_button(put.place(grid, 0, 1, form_.Button2), 96);
    fit_button(put.place(grid, 0, 2, form_.Button3), 64);
    fit_button(put.place(grid, 0, 3, form_.Button4), 96);
    fit_button(put.place(grid, 1, 2, form_.OKBtn), 64);
    fit_button(put.place(grid, 1, 3, form_.CancelBtn), 96);
    return widget;
}

}  // namespace rebanto::ui
