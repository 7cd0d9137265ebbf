#pragma once
// The model's colours on screen.
#include <QColor>

#include "model/control.h"

class QWidget;

namespace rebanto::ui {

// The screen colour of a model colour; an invalid QColor for Color::Default.
QColor to_qcolor(Color color);

// Paints the widget's background and text in the model's colours, choosing the palette
// roles its kind uses (an edit's base, a button's face, a label's window). Default
// leaves the style's colour.
void apply_colors(QWidget* widget, Color background, Color text);

}  // namespace rebanto::ui
