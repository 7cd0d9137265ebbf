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

FirstStartPlaces first_start_places(const Rect& screen, const FrameMargins& frame, int main_width,
                                    int main_height, int keep_right, int tables_min_width,
                                    int comparison_width, int comparison_height) {
    FirstStartPlaces places;
    const int client_left = screen.left + frame.left;
    const int client_top = screen.top + frame.top;
    const int client_width = screen.width - frame.left - frame.right;
    const int client_height = screen.height - frame.top - frame.bottom;
    places.main = fit_to_screen({client_left, client_top, main_width, main_height}, screen, frame);

    // Frame to frame with what it must not cover, down to the bottom of the screen.
    const auto after = [&frame](int right) { return right + frame.right + frame.left; };
    int left = after(places.main.right());
    if (screen.right() - frame.right - left < tables_min_width) {
        left = after(places.main.left + keep_right);
    }
    int width = screen.right() - frame.right - left;
    if (width < tables_min_width) {
        width = std::min(tables_min_width, client_width);
        left = screen.right() - frame.right - width;
    }
    places.current_tables = {left, client_top, width, client_height};
    places.comparison = fit_to_screen(
        {client_left + 60, client_top + 40, comparison_width, comparison_height}, screen, frame);
    return places;
}

}  // namespace rebanto
