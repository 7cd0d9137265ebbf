#pragma once
// What the calculators' small dialogs share: a frame that carries the dialog's hint and
// holds its sections top to bottom, the buttons at the foot, and label–field grids.
#include <initializer_list>

#include "model/control.h"

class QGridLayout;
class QWidget;

namespace rebanto::ui {

class Placer;

// Lays the window out: the panel's frame with the sections, a stretch, the buttons.
void lay_out_dialog(QWidget* window, Placer& put, Panel& frame,
                    std::initializer_list<QWidget*> sections, QWidget* buttons);

// A widget holding a grid without margins, for rows of a caption and a field.
QGridLayout* field_grid(QWidget*& widget, QWidget* parent, int horizontal_spacing = 8);

}  // namespace rebanto::ui
