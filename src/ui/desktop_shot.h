#pragma once
// Pictures of the whole screen for reviews and the guide, made without a display: the
// offscreen platform is given a screen of a chosen size, and the visible windows are drawn
// where they stand on it, each under a plain title bar.
#include <QImage>
#include <string>

namespace rebanto {
class App;
struct PrintJob;
}  // namespace rebanto

namespace rebanto::ui {

class AppViews;

// Reads "WIDTHxHEIGHT" (e.g. "1366x768"); false for any other text.
bool parse_screen_size(const std::string& text, int& width, int& height);

// Makes the offscreen platform show one screen of that size. Call before
// the application object is made; returns false when the configuration cannot be written.
bool use_offscreen_screen(int width, int height);

// The print preview of the job as the user first sees it (A4, fitted to the width).
QImage print_preview_image(const PrintJob& job);

// The primary screen with every visible window of the application drawn at its place.
QImage desktop_image(App& app, const AppViews& views);

}  // namespace rebanto::ui
