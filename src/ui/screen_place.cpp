#include "ui/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace rebanto::ui {

FrameMargins frame_margins(const QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        if (outer != inner) {
            return {inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom()};
        }
    }
    return {4, 28, 4, 4};
}

Rect screen_area_at(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, 1 << 20, 1 << 20};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

ScreenPlace fitted_place(const QWidget* window, QPoint position, QSize size) {
    const FrameMargins frame = frame_margins(window);
    // The screen the window's title bar is on, or failing that the one its middle is on.
    QPoint probe = position + QPoint(frame.left + size.width() / 2, frame.top / 2);
    if (QGuiApplication::screenAt(probe) == nullptr) {
        probe = position + QPoint(size.width() / 2, size.height() / 2);
    }
    const Rect screen = screen_area_at(probe);
    const QSize least = window != nullptr ? window->minimumSize() : QSize();
    // The model places the frame's top left (as the toolkit moves a window) and sizes the
    // client area.
    const Rect client = fit_to_screen(
        {position.x() + frame.left, position.y() + frame.top, size.width(), size.height()}, screen,
        frame, least.width(), least.height());
    return {QPoint(client.left - frame.left, client.top - frame.top),
            QSize(client.width, client.height)};
}

}  // namespace rebanto::ui
