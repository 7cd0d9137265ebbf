#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace rebanto::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    } else if (event->button() == Qt::RightButton) {
        Q_EMIT right_clicked();
    }
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && rect().contains(event->position().toPoint())) Q_EMIT clicked();
    event->accept();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;  // the release that follows ends the double click
    Q_EMIT double_clicked();
    event->accept();
}

}  // namespace rebanto::ui
