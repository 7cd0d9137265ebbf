#pragma once
// The look of the whole program: one style everywhere and a font that has the Japanese
// glyphs, at a size that reads well.
class QApplication;

namespace rebanto::ui {

inline constexpr double kDefaultPointSize = 10.0;

// Applies the style and the font; returns the font family chosen.
const char* apply_app_look(QApplication& app);

}  // namespace rebanto::ui
