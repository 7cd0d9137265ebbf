#include "ui/dialog_parts.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/placer.h"

namespace rebanto::ui {

void lay_out_dialog(QWidget* window, Placer& put, Panel& frame,
                    std::initializer_list<QWidget*> sections, QWidget* buttons) {
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(12, 8, 12, 8);
    column->setSpacing(6);
    QWidget* box = put.make(frame, window);
    auto* inside = new QVBoxLayout(box);
    inside->setContentsMargins(8, 6, 8, 6);
    inside->setSpacing(6);
    for (QWidget* section : sections)
        inside->addWidget(section);
    column->addWidget(box);
    column->addStretch(1);
    column->addWidget(buttons);
}

QGridLayout* field_grid(QWidget*& widget, QWidget* parent, int horizontal_spacing) {
    widget = new QWidget(parent);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(horizontal_spacing);
    grid->setVerticalSpacing(4);
    return grid;
}

}  // namespace rebanto::ui
