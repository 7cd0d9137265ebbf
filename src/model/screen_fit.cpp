#include "model/screen_fit.h"

#include <algorithm>

namespace rebanto {

namespace {

// One axis: a start and a length inside [lo, hi) of client coordinates.
void fit_axis(int& start, int& length, int lo, int hi, int min_length) {
    length = std::min(length, std::max(hi - lo, min_length));
    start = std::max(lo, std::min(start, hi - length));
}

}  // namespace

Rect fit_to_screen(Rect window, const Rect& screen, const FrameMargins& frame, int min_width,
                   int min_height) {
    fit_axis(window.left, window.width, screen.left + frame.left, screen.right() - frame.right,
             min_width);
    fit_axis(window.top, window.height, screen.top + frame.top, screen.bottom() - frame.bottom,
             min_height);
    return window;
}

FirstStartPlaces first_start_places(const Rect& screen, const FrameMargins& frame,
                                    int main_width, int main_height, int main_keep_height,
                                    int tables_min_width, int comparison_width,
                                    int comparison_height) {
    FirstStartPlaces places;
    const int client_left = screen.left + frame.left;
    const int client_top = screen.top + frame.top;
    const int client_width = screen.width - frame.left - frame.right;
    const int client_height = screen.height - frame.top - frame.bottom;
    places.main = fit_to_screen({client_left, client_top, main_width, main_height}, screen, frame);

    // Beside the main window, frame to frame, down to the bottom of the screen.
    const int beside = places.main.right() + frame.right + frame.left;
    const int room = screen.right() - frame.right - beside;
    if (room >= tables_min_width) {
        places.current_tables = {beside, client_top, room, client_height};
    } else {
        // Below the main window's inputs and run buttons, at the right of the screen.
        const int top = std::min(places.main.top + main_keep_height + frame.bottom + frame.top,
                                 client_top + client_height / 2);
        const int width = std::min(client_width, std::max(tables_min_width, client_width * 3 / 5));
        places.current_tables = {screen.right() - frame.right - width, top, width,
                                 screen.bottom() - frame.bottom - top};
    }
    places.comparison = fit_to_screen(
        {client_left + 60, client_top + 40, comparison_width, comparison_height}, screen, frame);
    return places;
}

}  // namespace rebanto
