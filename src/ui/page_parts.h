#pragma once
// Small pieces the page builders share: the view's captions, buttons
// and fields sized to their content, rows of widgets, and panels that float over a page.
#include <QString>
#include <functional>

#include "model/control.h"

class QFrame;
class QGridLayout;
class QMargins;
class QVBoxLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPoint;
class QWidget;

namespace rebanto::ui {

class Binder;

// A caption the window model holds for the view's layout (a column header, a unit, the
// name of a field the model leaves unnamed): a plain label bound to it, which takes no
// gestures, so a right click on it still reaches the page behind.
QLabel* caption(Binder& binder, Label& text, QWidget* parent = nullptr);
// The same in the muted colour of a side note.
QLabel* side_note(Binder& binder, Label& text, QWidget* parent = nullptr);
// A caption of the view made from a control of the model (the name the second stream
// carries, say): `text` makes it from the control each time the control changes.
QLabel* derived_caption(const Control& control, std::function<QString(const Control&)> text,
                        QWidget* parent = nullptr);
// A caption of the view that joins a control's caption and a word the model holds
// ("ﾎﾞｰﾅｽ" and "返済"), following both.
QLabel* joined_caption(const Control& name, const Label& after, QWidget* parent = nullptr);
// A group box of the view titled by a caption of the model.
void title_box(Binder& binder, QGroupBox* box, Label& title);

// Text in the muted colour of a side note.
void mute(QWidget* widget);

// A layout set on `widget` with the given margins and spacing, to fill.
QVBoxLayout* column_layout(QWidget* widget, const QMargins& margins, int spacing);
QGridLayout* grid_layout(QWidget* widget, const QMargins& margins, int horizontal, int vertical);

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

// The caption of a field the model leaves unnamed: it shows and hides with the field.
QLabel* field_caption(Binder& binder, Control& field, Label& text, QWidget* parent = nullptr);
// The same in words of the view alone, for a window whose model does not name the field.
QLabel* field_caption(Binder& binder, Control& field, const QString& words,
                      QWidget* parent = nullptr);

// A panel that floats over its parent instead of taking room in a layout, like a popup:
// each time it is shown it takes its natural size, moves where `place` says (in its
// parent's coordinates) and comes to the front.
void float_over(QWidget* panel, std::function<QPoint()> place);

}  // namespace rebanto::ui
