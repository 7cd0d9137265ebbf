#include "ui/chart_window_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/chart_widget.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr int kArrowWidth = 28;
constexpr int kAngleChars = 3;
constexpr int kGroupGap = 14;

}  // namespace

ChartWindowView::ChartWindowView(ChartWindow& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    column->addWidget(build_controls());
    chart_ = new ChartWidget(form.Chart1.model, this);
    chart_->setObjectName(to_q(form.Chart1.name()));
    // The chart is a panel to the binder: its hint, and its double click to the model.
    binder_->bind(static_cast<Panel&>(form.Chart1), chart_);
    column->addWidget(chart_, 1);
    form.Chart1.png_image = [chart = chart_] { return chart->png(); };
    binder_->bind_window(this);
    binder_->flush();
}

ChartWindowView::~ChartWindowView() {
    form_.Chart1.png_image = nullptr;
}

QWidget* ChartWindowView::build_controls() {
    QWidget* row_holder = nullptr;
    QHBoxLayout* row = row_widget(row_holder, 3);
    row_holder->setParent(this);
    Placer put(*binder_);
    const auto angle = [&](Label& name, Button& down, Edit& field, Button& up) {
        row->addWidget(side_note(*binder_, name, row_holder));
        fit_button(put.add(row, down), kArrowWidth);
        figure_field(put.add(row, field), kAngleChars);
        fit_button(put.add(row, up), kArrowWidth);
    };
    angle(form_.CaptionElevation, form_.Button1, form_.Edit1, form_.Button3);
    row->addSpacing(8);
    angle(form_.CaptionRotation, form_.Button2, form_.Edit2, form_.Button4);
    row->addSpacing(6);
    fit_button(put.add(row, form_.Button5), kArrowWidth);
    fit_button(put.add(row, form_.Button6), kArrowWidth);
    row->addSpacing(kGroupGap);
    fit_button(put.add(row, form_.Button7));
    fit_button(put.add(row, form_.Button8));
    row->addWidget(side_note(*binder_, form_.CaptionPage, row_holder));
    fit_button(put.add(row, form_.Button9), kArrowWidth);
    fit_button(put.add(row, form_.Button10), kArrowWidth);
    row->addSpacing(kGroupGap);
    fit_button(put.add(row, form_.Button11));
    row->addStretch(1);
    return row_holder;
}

}  // namespace rebanto::ui
