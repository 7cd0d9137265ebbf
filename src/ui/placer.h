#pragma once
// Puts controls on screen in one line each: it creates the widget that shows a control
// of its kind, binds it, and adds it to a layout.
//
//   Placer put(binder);
//   put.place(grid, 0, 1, form.Ed0_moto);
//   put.add(row, form.Button114);
#include <Qt>

#include "model/control.h"

class QAction;
class QBoxLayout;
class QGridLayout;
class QWidget;

namespace rebanto::ui {

class Binder;

class Placer {
public:
    explicit Placer(Binder& binder) : binder_(binder) {}

    Binder& binder() const { return binder_; }

    // The widget for the control's kind, bound: Edit → line edit, Label → clickable
    // label, Button → push button, CheckBox, RadioButton, Panel → group box (with a
    // caption) or frame, TrackBar → slider, PageControl → tab widget, Grid → table view,
    // Memo → text view, DateTimePicker → date edit, MonthCalendar → calendar, ComboBox →
    // combo box. Menu items are actions: see action().
    QWidget* make(Control& control, QWidget* parent = nullptr);

    QWidget* place(QGridLayout* layout, int row, int col, Control& control, int row_span = 1,
                   int col_span = 1, Qt::Alignment alignment = {});
    QWidget* add(QBoxLayout* layout, Control& control, int stretch = 0);

    // A date field: a line edit with the "yyyy/mm/dd" mask, sized for its ten characters.
    QWidget* date_field(Edit& edit, QWidget* parent = nullptr);
    QWidget* place_date(QGridLayout* layout, int row, int col, Edit& edit);
    QWidget* add_date(QBoxLayout* layout, Edit& edit);

    // A spin box for a track bar the window uses as an up-down stepper.
    QWidget* stepper(TrackBar& bar, QWidget* parent = nullptr);
    QWidget* add_stepper(QBoxLayout* layout, TrackBar& bar);

    // A bound action for a menu item, owned by parent.
    QAction* action(MenuItem& item, QWidget* parent);

private:
    Binder& binder_;
};

// Sizes an edit for a number of characters of its font.
void set_width_chars(QWidget* widget, int chars);

}  // namespace rebanto::ui
