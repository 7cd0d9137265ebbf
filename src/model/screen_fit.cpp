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
                                    const FirstStartSizes& sizes) {
    FirstStartPlaces places;
    const int client_left = screen.left + frame.left;
    const int client_top = screen.top + frame.top;
    const int client_width = screen.width - frame.left - frame.right;
    const int client_height = screen.height - frame.top - frame.bottom;
    places.main = fit_to_screen({client_left, client_top, sizes.main_width, sizes.main_height},
                                screen, frame);

    // Frame to frame with the main window, down to the bottom of the screen.
    const auto after = [&frame](int right) { return right + frame.right + frame.left; };
    const int screen_right = screen.right() - frame.right;
    const int natural_width = places.main.width;
    if (screen_right - after(places.main.right()) < sizes.tables_width) {
        const int room_left = screen_right - sizes.tables_width - frame.left - frame.right;
        places.main.width = std::min(
            places.main.width, std::max(sizes.main_least_width, room_left - places.main.left));
    }
    int left = after(places.main.right());
    int width = screen_right - left;
    if (width < sizes.tables_least_width) {
        places.main.width = natural_width;  // covered either way: the page shows whole
        width = std::min(sizes.tables_width, client_width);
        left = screen_right - width;
    }
    places.current_tables = {left, client_top, width, client_height};
    places.comparison = fit_to_screen(
        {client_left + 60, client_top + 40, sizes.comparison_width, sizes.comparison_height},
        screen, frame);
    return places;
}

}  // namespace rebanto
