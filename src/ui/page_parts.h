#pragma once
// Small pieces the page builders share: captions that belong to the view alone, buttons
// and fields sized to their content, rows of widgets, and panels that float over a page.
#include <QString>
#include <functional>

#include "model/control.h"

class QFrame;
class QHBoxLayout;
class QLabel;
class QPoint;
class QWidget;

namespace rebanto::ui {

class Binder;

// A plain label of the view (no model control behind it): a column header, a unit, the
// name of a field the model leaves unnamed.
QLabel* caption(const QString& text, QWidget* parent = nullptr);
// The same in the muted colour of a side note.
QLabel* side_note(const QString& text, QWidget* parent = nullptr);

// Text in the muted colour of a side note.
void mute(QWidget* widget);

// A widget holding a horizontal row without margins; returns the row to fill.
QHBoxLayout* row_widget(QWidget*& widget, int spacing = 4);

// A button as wide as its caption needs (the style would make it at least 80 pixels).
void fit_button(QWidget* button, int min_width = 0);
// A field for `chars` digits, its text right-aligned like figures in a ledger.
void figure_field(QWidget* field, int chars);
// Bold (and optionally larger) text.
void embolden(QWidget* widget, double scale = 1.0);
// A label that reacts to clicks: the hand cursor says so.
void clickable_look(QWidget* label);

// A caption of the view that follows a control of the model: `text` makes it from the
// control each time the control changes.
void follow(QLabel* label, const Control& control, std::function<QString(const Control&)> text);

// A caption of the view for a field the model leaves unnamed: it shows and hides with
// the field.
QLabel* field_caption(Binder& binder, Control& field, const QString& text,
                      QWidget* parent = nullptr);

// A panel that floats over its parent instead of taking room in a layout, like a popup:
// each time it is shown it takes its natural size, moves where `place` says (in its
// parent's coordinates) and comes to the front.
void float_over(QWidget* panel, std::function<QPoint()> place);

}  // namespace rebanto::ui
