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

// What the windows shown at a first start would like (client sizes): the main window at the
// size that shows every page whole, and the least width that still shows its inputs, its
// memo group and its run buttons; the current tables at a comfortable width, or at least
// their least one (their tool bars whole); the comparison window.
struct FirstStartSizes {
    int main_width = 0;
    int main_height = 0;
    int main_least_width = 0;
    int tables_width = 0;
    int tables_least_width = 0;
    int comparison_width = 0;
    int comparison_height = 0;
};

// The main window at the top left of `screen` at its size (less, when the screen is
// smaller); the current-tables window to its right, down to the screen's bottom. When the
// room there is short of the tables' comfortable width the main window gives up width down
// to its least; when even that leaves the tables less than their least width, the tables
// take their comfortable width at the screen's right edge over the main window. The
// comparison window at its size, fitted to the screen.
FirstStartPlaces first_start_places(const Rect& screen, const FrameMargins& frame,
                                    const FirstStartSizes& sizes);

}  // namespace rebanto
