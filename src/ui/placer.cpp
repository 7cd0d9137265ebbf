#include "ui/placer.h"

#include <QAction>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <stdexcept>

#include "model/grid.h"
#include "ui/binder.h"
#include "ui/clickable_label.h"
#include "ui/grid_view.h"

namespace rebanto::ui {

namespace {

template <class W, class C>
W* made(Binder& binder, C& control, QWidget* parent) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromStdString(control.name()));
    binder.bind(control, widget);
    return widget;
}

}  // namespace

QWidget* Placer::make(Control& control, QWidget* parent) {
    if (auto* edit = dynamic_cast<Edit*>(&control)) {
        return made<QLineEdit>(binder_, *edit, parent);
    }
    if (auto* label = dynamic_cast<Label*>(&control)) {
        return made<ClickableLabel>(binder_, *label, parent);
    }
    if (auto* button = dynamic_cast<Button*>(&control)) {
        return made<QPushButton>(binder_, *button, parent);
    }
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        return made<QCheckBox>(binder_, *box, parent);
    }
    if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        return made<QRadioButton>(binder_, *radio, parent);
    }
    if (auto* panel = dynamic_cast<Panel*>(&control)) {
        if (panel->caption().empty()) {
            auto* frame = made<QFrame>(binder_, *panel, parent);
            frame->setFrameShape(QFrame::StyledPanel);
            frame->setFrameShadow(QFrame::Raised);
            return frame;
        }
        return made<QGroupBox>(binder_, *panel, parent);
    }
    if (auto* bar = dynamic_cast<TrackBar*>(&control)) {
        auto* slider = made<QSlider>(binder_, *bar, parent);
        slider->setOrientation(Qt::Horizontal);
        return slider;
    }
    if (auto* pages = dynamic_cast<PageControl*>(&control)) {
        return made<QTabWidget>(binder_, *pages, parent);
    }
    if (auto* grid = dynamic_cast<Grid*>(&control)) {
        return make_grid_view(binder_, *grid, parent);
    }
    if (auto* memo = dynamic_cast<Memo*>(&control)) {
        return made<QPlainTextEdit>(binder_, *memo, parent);
    }
    if (auto* picker = dynamic_cast<DateTimePicker*>(&control)) {
        return made<QDateEdit>(binder_, *picker, parent);
    }
    if (auto* calendar = dynamic_cast<MonthCalendar*>(&control)) {
        return made<QCalendarWidget>(binder_, *calendar, parent);
    }
    if (auto* box = dynamic_cast<ComboBox*>(&control)) {
        return made<QComboBox>(binder_, *box, parent);
    }
    throw std::logic_error("no widget for " + control.name() + " of kind " +
                           std::string(control.kind()));
}

QWidget* Placer::place(QGridLayout* layout, int row, int col, Control& control, int row_span,
                       int col_span, Qt::Alignment alignment) {
    QWidget* widget = make(control, layout->parentWidget());
    layout->addWidget(widget, row, col, row_span, col_span, alignment);
    return widget;
}

QWidget* Placer::add(QBoxLayout* layout, Control& control, int stretch) {
    QWidget* widget = make(control, layout->parentWidget());
    layout->addWidget(widget, stretch);
    return widget;
}

QWidget* Placer::date_field(Edit& edit, QWidget* parent) {
    auto* widget = new QLineEdit(parent);
    widget->setObjectName(QString::fromStdString(edit.name()));
    binder_.bind_masked_date(edit, widget);
    set_width_chars(widget, 10);
    return widget;
}

QWidget* Placer::place_date(QGridLayout* layout, int row, int col, Edit& edit) {
    QWidget* widget = date_field(edit, layout->parentWidget());
    layout->addWidget(widget, row, col, Qt::AlignLeft);
    return widget;
}

QWidget* Placer::add_date(QBoxLayout* layout, Edit& edit) {
    QWidget* widget = date_field(edit, layout->parentWidget());
    layout->addWidget(widget);
    return widget;
}

QWidget* Placer::stepper(TrackBar& bar, QWidget* parent) {
    return made<QSpinBox>(binder_, bar, parent);
}

QWidget* Placer::add_stepper(QBoxLayout* layout, TrackBar& bar) {
    QWidget* widget = stepper(bar, layout->parentWidget());
    layout->addWidget(widget);
    return widget;
}

QAction* Placer::action(MenuItem& item, QWidget* parent) {
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromStdString(item.name()));
    binder_.bind(item, action);
    return action;
}

void set_width_chars(QWidget* widget, int chars) {
    const QFontMetrics metrics(widget->font());
    widget->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * chars + 14);
}

}  // namespace rebanto::ui
