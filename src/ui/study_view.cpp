#include "ui/study_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "model/event_boundary.h"
#include "ui/binder.h"
#include "ui/grid_view.h"
#include "ui/input_marks.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// Wide enough for every column of the table without scrolling sideways.
void whole_width(QTableView* table) {
    table->setMinimumWidth(table->horizontalHeader()->length() + table->verticalHeader()->width() +
                           table->verticalScrollBar()->sizeHint().width() +
                           2 * table->frameWidth());
}

// The column of sections inside one of the window's panels.
QVBoxLayout* panel_column(QWidget* panel) {
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(8, 6, 8, 6);
    return column;
}

}  // namespace

StudyView::StudyView(TForm10& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->setSpacing(8);
    column->addWidget(build_comparison(put));
    column->addWidget(build_tax_credit(put), 1);
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    column->addWidget(status);
    input_marks_ = new InputMarks(form_, *binder_, status, form_.tax_owed_inputs(), {},
                                  TForm10::kTaxInputConsequence, this);
    binder_->bind_window(this);
    binder_->flush();
}

void StudyView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) run_event(form_, [this] { form_.window_dbl_click(); });
    QWidget::mouseDoubleClickEvent(event);
}

// Base, new, the principal left and the differences, a row each; the months of the last
// payments beside them; the commands below.
QWidget* StudyView::build_comparison(Placer& put) {
    QWidget* panel = put.make(form_.Panel1, this);
    auto* column = panel_column(panel);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    put.place(grid, 0, 1, form_.Label48, 1, 1, Qt::AlignCenter);
    put.place(grid, 0, 2, form_.Label49, 1, 1, Qt::AlignCenter);
    put.place(grid, 0, 3, form_.Label50, 1, 1, Qt::AlignCenter);
    grid->addWidget(caption(*binder_, form_.CaptionMonthsHeader), 0, 5, Qt::AlignCenter);
    grid->addWidget(caption(*binder_, form_.CaptionBonusMonthsHeader), 0, 6, Qt::AlignCenter);
    struct Line {
        Control* title;
        Control* cells[3];
        Control* months_title;
        Control* months[2];
    };
    const Line lines[] = {
        {&form_.Label41,
         {&form_.Edit3, &form_.Edit4, &form_.Edit2},
         &form_.Label43,
         {&form_.Label15, &form_.Label16}},
        {&form_.Label42,
         {&form_.Edit7, &form_.Edit8, &form_.Edit9},
         &form_.Label44,
         {&form_.Label7, &form_.Label8}},
        {&form_.Label45, {&form_.Label19, &form_.Label20, &form_.Label21}, nullptr, {}},
        {&form_.Label46,
         {&form_.Edit10, &form_.Edit11, &form_.Edit12},
         &form_.Label47,
         {&form_.Label23, &form_.Label24}},
    };
    int row = 1;
    for (const Line& line : lines) {
        put.place(grid, row, 0, *line.title);
        for (int i = 0; i < 3; ++i) {
            QWidget* cell = put.place(grid, row, 1 + i, *line.cells[i], 1, 1, Qt::AlignRight);
            figure_field(cell, 12);
        }
        if (line.months_title != nullptr) {
            put.place(grid, row, 4, *line.months_title, 1, 1, Qt::AlignRight);
            put.place(grid, row, 5, *line.months[0], 1, 1, Qt::AlignCenter);
            put.place(grid, row, 6, *line.months[1], 1, 1, Qt::AlignCenter);
        }
        ++row;
    }
    grid->setColumnStretch(7, 1);
    column->addLayout(grid);
    build_commands(put, column);
    return panel;
}

// The logs of the two cases and the commands under them.
void StudyView::build_commands(Placer& put, QVBoxLayout* column) {
    auto* logs = new QHBoxLayout;
    put.add(logs, form_.Ed000, 1);
    put.add(logs, form_.Ed999, 1);
    column->addLayout(logs);
    auto* buttons = new QHBoxLayout;
    for (Button* button : {&form_.Button19, &form_.Button5, &form_.Button6, &form_.Button1,
                           &form_.Button17, &form_.Button7})
        fit_button(put.add(buttons, *button));
    buttons->addStretch(1);
    QWidget* credit = put.add(buttons, form_.Button24);
    fit_button(credit);
    embolden(credit);
    column->addLayout(buttons);
}

// The regime, the month that marks December, the table of years, and the commands.
QWidget* StudyView::build_tax_credit(Placer& put) {
    QWidget* panel = put.make(form_.Panel2, this);
    auto* column = panel_column(panel);
    auto* regimes = new QHBoxLayout;
    for (RadioButton* radio : {&form_.RadioButton1, &form_.RadioButton2, &form_.RadioButton3,
                               &form_.RadioButton4, &form_.RadioButton5})
        put.add(regimes, *radio);
    regimes->addSpacing(12);
    put.add(regimes, form_.Label37);
    put.add(regimes, form_.ComboBox2);
    regimes->addSpacing(12);
    put.add(regimes, form_.Label38);
    put.add(regimes, form_.ComboBox1);
    regimes->addStretch(1);
    column->addLayout(regimes);
    auto* tables = new QHBoxLayout;
    auto* table = static_cast<QTableView*>(put.add(tables, form_.StringGrid2, 1));
    table->setMinimumHeight(200);
    whole_width(table);
    tables->addWidget(build_tax_owed(put, panel));
    column->addLayout(tables, 1);
    auto* buttons = new QHBoxLayout;
    fit_button(put.add(buttons, form_.Button25));
    fit_button(put.add(buttons, form_.Button26));
    put.add(buttons, form_.Label39);
    figure_field(put.add(buttons, form_.Edit1), 10);
    for (auto [button, label, first, second] :
         {std::tuple{&form_.Button27, &form_.Label31, &form_.Label33, &form_.Label34},
          std::tuple{&form_.Button28, &form_.Label32, &form_.Label35, &form_.Label36}}) {
        fit_button(put.add(buttons, *button));
        put.add(buttons, *label);
        put.add(buttons, *first);
        put.add(buttons, *second);
    }
    buttons->addStretch(1);
    fit_button(put.add(buttons, form_.Button30));
    fit_button(put.add(buttons, form_.Button29));
    put.add_stepper(buttons, form_.UpDown1);
    column->addLayout(buttons);
    return panel;
}

// The borrower's income and taxes, the floor area, and what they leave of each year's credit.
QWidget* StudyView::build_tax_owed(Placer& put, QWidget* parent) {
    QWidget* panel = put.make(form_.PanelZeigaku, parent);
    auto* column = panel_column(panel);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(4);
    int row = 0;
    for (auto [label, field] : {std::pair{&form_.LabelSyotoku, &form_.EdSyotoku},
                                std::pair{&form_.LabelSyotokuzei, &form_.EdSyotokuzei},
                                std::pair{&form_.LabelJuminzei, &form_.EdJuminzei}}) {
        put.place(figures, row, 0, *label);
        figure_field(put.place(figures, row, 1, *field, 1, 1, Qt::AlignRight), 12);
        ++row;
    }
    figures->setColumnStretch(2, 1);
    column->addLayout(figures);
    auto* floors = new QHBoxLayout;
    put.add(floors, form_.RadioMenseki50);
    put.add(floors, form_.RadioMenseki40);
    floors->addStretch(1);
    column->addLayout(floors);
    auto* breakdown = static_cast<QTableView*>(put.add(column, form_.GridZeigaku, 1));
    breakdown->setMinimumHeight(352);  // the fifteen years at a glance
    whole_width(breakdown);
    auto* note = static_cast<QLabel*>(put.add(column, form_.LabelJougen));
    note->setWordWrap(true);
    return panel;
}

}  // namespace rebanto::ui
