#pragma once
// The toolkit side of window placement: which screen a window opens on, what its frame
// adds, and the fitted place on that screen (see model/screen_fit.h).
#include <QPoint>
#include <QSize>

#include "model/screen_fit.h"

class QWidget;

namespace rebanto::ui {

// The frame the window manager gives `window`; before the window was first shown, a
// typical title bar and border.
FrameMargins frame_margins(const QWidget* window);

// The available area of the screen under the point (the primary screen when none is).
Rect screen_area_at(QPoint point);

// A window placed by the program (restored or designed): its frame's top left `position`
// and client `size` pulled wholly onto the screen it opens on.
struct ScreenPlace {
    QPoint position;
    QSize size;
};
ScreenPlace fitted_place(const QWidget* window, QPoint position, QSize size);

}  // namespace rebanto::ui
