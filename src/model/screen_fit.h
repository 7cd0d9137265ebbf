#pragma once
// Where windows go on a screen: a recorded or designed place is pulled onto the screen the
// window opens on, and a first start without any record lays the windows out for that screen.
// Pure arithmetic on rectangles; the views ask the toolkit for the screen.

namespace rebanto {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }   // one past the last column
    int bottom() const { return top + height; }  // one past the last row
    bool operator==(const Rect&) const = default;
};

// What the window manager adds around a window's client area (title bar and borders).
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The client rectangle `window` moved and, where it must be, shrunk so that the window with
// its frame lies wholly inside `screen` (the screen's available area). Its title bar is then
// always within reach. A size of the screen or less is kept; the minimum size the window
// needs wins over the screen (the window is then placed at the screen's top left).
Rect fit_to_screen(Rect window, const Rect& screen, const FrameMargins& frame = {},
                   int min_width = 0, int min_height = 0);

// Client rectangles for the windows shown at a first start.
struct FirstStartPlaces {
    Rect main;
    Rect current_tables;
    Rect comparison;
};

// The main window at the top left of `screen` at its size (less, when the screen is
// smaller); the current-tables window to its right when the room there takes
// `tables_min_width`, otherwise beside the main window's inputs and run buttons, which end
// `keep_right` pixels from the main window's client left and stay uncovered (when even that
// leaves too little room, the tables take their least width at the screen's right edge);
// the comparison window at its size, fitted to the screen.
FirstStartPlaces first_start_places(const Rect& screen, const FrameMargins& frame, int main_width,
                                    int main_height, int keep_right, int tables_min_width,
                                    int comparison_width, int comparison_height);

}  // namespace rebanto
