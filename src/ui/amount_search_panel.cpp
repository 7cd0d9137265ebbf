// The calculators of the page "個別返済額算定": their buttons beside the step fields, and
// the reverse-search panel "検索" opens over the right of the page, so the step fields the
// search moves stay in sight while it runs.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "ui/amount_page.h"
#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

namespace {

// Inside the search panel's group boxes.
const QMargins kGroupMargins(8, 4, 8, 6);

}  // namespace

// The search and the down payments on one row, the add-on and the rent on the next.
QWidget* AmountPage::calculator_buttons() {
    auto* widget = new QWidget;
    QVBoxLayout* column = column_layout(widget, QMargins(), 4);
    for (const auto& buttons :
         {std::initializer_list<Button*>{&f_.Button93, &f_.Button136, &f_.Button141},
          std::initializer_list<Button*>{&f_.Button134, &f_.Button133}}) {
        QWidget* line = nullptr;
        QHBoxLayout* row = row_widget(line, 4);
        for (Button* b : buttons)
            fit_button(put_.add(row, *b));
        row->addStretch(1);
        column->addWidget(line);
    }
    return widget;
}

// The input the search varies: a basic setting, or the principal or instalment of one part.
QWidget* AmountPage::search_inputs(QWidget* panel) {
    QWidget* inputs = put_.make(f_.GrpSanYokyu, panel);
    QGridLayout* grid = grid_layout(inputs, kGroupMargins, 10, 2);
    put_.place(grid, 0, 0, f_.RBut_kin, 1, 2);
    put_.place(grid, 0, 2, f_.RBut_mot, 1, 2);
    grid->addWidget(caption(put_.binder(), f_.CaptionSearchPrincipal, inputs), 1, 0);
    put_.place(grid, 1, 1, f_.RBut_Mm);
    put_.place(grid, 1, 2, f_.RBut_Mb);
    grid->addWidget(caption(put_.binder(), f_.CaptionSearchInstalment, inputs), 2, 0);
    put_.place(grid, 2, 1, f_.RBut_Hm);
    put_.place(grid, 2, 2, f_.RBut_Hb);
    grid->setColumnStretch(3, 1);
    return inputs;
}

// The amount to reach, and the output that must reach it, monthly or bonus part.
QWidget* AmountPage::search_targets(QWidget* panel) {
    QWidget* targets = put_.make(f_.GrpShiteiKingaku, panel);
    QGridLayout* grid = grid_layout(targets, kGroupMargins, 10, 2);
    QWidget* amount = nullptr;
    QHBoxLayout* line = row_widget(amount, 4);
    figure_field(put_.add(line, f_.Edit3), 13);
    line->addWidget(caption(put_.binder(), f_.CaptionSearchYen, amount));
    line->addStretch(1);
    grid->addWidget(amount, 0, 0, 1, 3);
    const struct {
        Label& name;
        RadioButton& monthly;
        RadioButton& bonus;
    } rows[] = {{f_.CaptionSearchTargetInstalment, f_.RBut_Km, f_.RBut_Kb},
                {f_.CaptionSearchTargetInterest, f_.RBut_Rm, f_.RBut_Rb},
                {f_.CaptionSearchTargetInterestSum, f_.RBut_GRm, f_.RBut_GRb},
                {f_.CaptionSearchTargetPrincipalSum, f_.RBut_GMm, f_.RBut_GMb},
                {f_.CaptionSearchTargetBalance, f_.RBut_NewMm, f_.RBut_NewMb}};
    int at = 1;
    for (const auto& r : rows) {
        grid->addWidget(caption(put_.binder(), r.name, targets), at, 0);
        put_.place(grid, at, 1, r.monthly);
        put_.place(grid, at++, 2, r.bonus);
    }
    grid->setColumnStretch(3, 1);
    return targets;
}

void AmountPage::reverse_search_panel(QWidget* sheet) {
    QWidget* panel = put_.make(f_.Panel4, sheet);
    QVBoxLayout* column = column_layout(panel, QMargins(10, 6, 10, 8), 6);
    QLabel* title = caption(put_.binder(), f_.CaptionSearchTitle, panel);
    embolden(title);
    column->addWidget(title);

    column->addWidget(search_inputs(panel));
    column->addWidget(search_targets(panel));

    // The output with the input at the top and the bottom of its range; a click takes it.
    QWidget* references = nullptr;
    QHBoxLayout* line = row_widget(references, 6);
    line->addWidget(side_note(put_.binder(), f_.CaptionSearchAtUpper, references));
    clickable_look(put_.add(line, f_.Llmax));
    line->addSpacing(12);
    line->addWidget(side_note(put_.binder(), f_.CaptionSearchAtLower, references));
    clickable_look(put_.add(line, f_.Llmin));
    line->addStretch(1);
    column->addWidget(references);

    QWidget* buttons = nullptr;
    line = row_widget(buttons, 4);
    QWidget* start = put_.add(line, f_.Button73);
    embolden(start);
    fit_button(start, 72);
    for (Button* b : {&f_.Button102, &f_.Button103, &f_.Button90})
        fit_button(put_.add(line, *b), 44);
    column->addWidget(buttons);

    float_over(panel, [sheet, panel] {
        return QPoint(std::max(sheet->width() - panel->width() - 12, 4), 36);
    });
}

}  // namespace rebanto::ui
