#include "ui/verification_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPoint>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "forms/tformhi.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

namespace {

// Tells a control when the pointer comes over its widget: the notes panel follows it.
class HoverRelay : public QObject {
public:
    HoverRelay(Control& control, QWidget* widget) : QObject(widget), control_(control) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Enter) control_.hover();
        return false;
    }

private:
    Control& control_;
};

QWidget* amount_field(Placer& put, QHBoxLayout* row, Edit& field) {
    QWidget* widget = put.add(row, field);
    figure_field(widget, 9);
    return widget;
}

// The notes that the pointer over "繰上効果検証" or its run button shows, floating just
// above the inputs, so the notes never hide what they explain.
void notes_panel(Placer& put, TFormHi& form, QWidget* window, QWidget* panel) {
    QWidget* cautions = put.make(form.Panel11, window);
    auto* lines = new QVBoxLayout(cautions);
    lines->setContentsMargins(10, 8, 10, 8);
    for (Label* line : {&form.Label41, &form.Label42, &form.Label43})
        put.add(lines, *line);
    float_over(cautions, [window, panel, cautions] {
        const QPoint top =
            window->isAncestorOf(panel) ? panel->mapTo(window, QPoint(0, 0)) : QPoint(0, 0);
        return QPoint(std::max(top.x() + 8, 4), std::max(top.y() - cautions->height() - 4, 4));
    });
}

}  // namespace

QWidget* verification_panel(Placer& put, TFormHi& form, QWidget* window) {
    QWidget* panel = put.make(form.Panel4, window);
    QVBoxLayout* column = column_layout(panel, QMargins(6, 4, 6, 4), 2);

    auto* run = new QHBoxLayout;
    QWidget* title = put.add(run, form.Label5);
    embolden(title);
    clickable_look(title);
    put.add(run, form.Label6);
    figure_field(put.add(run, form.Edit1), 4);
    run->addSpacing(6);
    put.add(run, form.RadioButton1);
    put.add(run, form.RadioButton2);
    put.add(run, form.CheckBox11);
    run->addSpacing(6);
    QWidget* start = put.add(run, form.Button5);
    embolden(start);
    fit_button(start, 56);
    run->addStretch(1);
    column->addLayout(run);

    auto* amounts = new QHBoxLayout;
    put.add(amounts, form.Label7);
    amount_field(put, amounts, form.Edit2);
    put.add(amounts, form.Label9);
    amount_field(put, amounts, form.Edit3);
    amounts->addSpacing(6);
    put.add(amounts, form.Label10);
    amount_field(put, amounts, form.Edit52);
    amount_field(put, amounts, form.Edit53);
    amounts->addSpacing(6);
    fit_button(put.add(amounts, form.Button8));
    amounts->addStretch(1);
    column->addLayout(amounts);

    auto* notes = new QHBoxLayout;
    put.add(notes, form.Label8);
    mute(put.add(notes, form.Label30));
    notes->addStretch(1);
    column->addLayout(notes);
    auto* important = new QHBoxLayout;
    mute(put.add(important, form.Label36));
    important->addStretch(1);
    column->addLayout(important);

    new HoverRelay(form.Label5, title);
    new HoverRelay(form.Button5, start);
    new HoverRelay(form.Panel4, panel);

    notes_panel(put, form, window, panel);
    return panel;
}

QWidget* study_panel(Placer& put, TFormHi& form) {
    QWidget* panel = put.make(form.Panel5);
    QVBoxLayout* column = column_layout(panel, QMargins(6, 4, 6, 4), 3);

    auto* commands = new QHBoxLayout;
    QWidget* start = put.add(commands, form.Button6);
    embolden(start);
    fit_button(start, 56);
    for (Button* button :
         {&form.Button10, &form.Button11, &form.Button12, &form.Button7, &form.StudyCsv})
        fit_button(put.add(commands, *button), 48);
    commands->addStretch(1);
    column->addLayout(commands);

    auto* times = new QHBoxLayout;
    for (Label* time : {&form.Label31, &form.Label32, &form.Label33})
        put.add(times, *time);
    times->addStretch(1);
    put.add(times, form.Label29);
    column->addLayout(times);
    put.add(column, form.StGr5, 1);

    // The settings float over the top of the table while they are open.
    QWidget* settings = put.make(form.Panel7, panel);
    auto* grid = new QGridLayout(settings);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    put.place(grid, 0, 0, form.Label12);
    figure_field(put.place(grid, 0, 1, form.Edit4), 9);
    put.place(grid, 0, 2, form.Label13);
    figure_field(put.place(grid, 0, 3, form.Edit5), 9);
    put.place(grid, 0, 4, form.Label14);
    put.place(grid, 1, 0, form.Label15);
    figure_field(put.place(grid, 1, 1, form.Edit14), 9);
    figure_field(put.place(grid, 1, 3, form.Edit15), 9);
    put.place(grid, 2, 0, form.RadioButton3, 1, 5);
    put.place(grid, 3, 0, form.RadioButton4, 1, 5);
    figure_field(put.place(grid, 4, 1, form.Edit6), 6);
    clickable_look(put.place(grid, 4, 2, form.Label16));
    figure_field(put.place(grid, 4, 3, form.Edit7), 6);
    put.place(grid, 4, 4, form.Label17);
    grid->addWidget(caption(put.binder(), form.CaptionColumnGroups, settings), 5, 0);
    put.place(grid, 5, 1, form.Label28);
    figure_field(put.place(grid, 5, 3, form.Edit8), 3);
    clickable_look(put.place(grid, 5, 4, form.Label18));
    put.place(grid, 6, 0, form.Label20);
    figure_field(put.place(grid, 6, 1, form.Edit9), 3);
    clickable_look(put.place(grid, 6, 2, form.Label21));
    fit_button(put.place(grid, 6, 4, form.Button13), 56);
    float_over(settings, [] { return QPoint(12, 56); });
    return panel;
}

}  // namespace rebanto::ui
