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

// The search and the down payments on one row, the add-on and the rent on the next.
QWidget* AmountPage::calculator_buttons() {
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
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

void AmountPage::reverse_search_panel(QWidget* sheet) {
    QWidget* panel = put_.make(f_.Panel4, sheet);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 6, 10, 8);
    column->setSpacing(6);
    QLabel* title = caption(QStringLiteral("逆算検索"), panel);
    embolden(title);
    column->addWidget(title);

    // The input: a basic setting, or the principal or instalment of one part.
    QWidget* inputs = put_.make(f_.GrpSanYokyu, panel);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    put_.place(grid, 0, 0, f_.RBut_kin, 1, 2);
    put_.place(grid, 0, 2, f_.RBut_mot, 1, 2);
    grid->addWidget(caption(QStringLiteral("元金"), inputs), 1, 0);
    put_.place(grid, 1, 1, f_.RBut_Mm);
    put_.place(grid, 1, 2, f_.RBut_Mb);
    grid->addWidget(caption(QStringLiteral("均等額"), inputs), 2, 0);
    put_.place(grid, 2, 1, f_.RBut_Hm);
    put_.place(grid, 2, 2, f_.RBut_Hb);
    grid->setColumnStretch(3, 1);
    column->addWidget(inputs);

    // The amount to reach, and the output that must reach it, monthly or bonus part.
    QWidget* targets = put_.make(f_.GrpShiteiKingaku, panel);
    grid = new QGridLayout(targets);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    QWidget* amount = nullptr;
    QHBoxLayout* line = row_widget(amount, 4);
    figure_field(put_.add(line, f_.Edit3), 13);
    line->addWidget(caption(QStringLiteral("円"), amount));
    line->addStretch(1);
    grid->addWidget(amount, 0, 0, 1, 3);
    const struct {
        const char* name;
        RadioButton& monthly;
        RadioButton& bonus;
    } rows[] = {{"均等返済額", f_.RBut_Km, f_.RBut_Kb},
                {"1回分利息", f_.RBut_Rm, f_.RBut_Rb},
                {"期間利息合計", f_.RBut_GRm, f_.RBut_GRb},
                {"期間元金合計", f_.RBut_GMm, f_.RBut_GMb},
                {"元金残", f_.RBut_NewMm, f_.RBut_NewMb}};
    int at = 1;
    for (const auto& r : rows) {
        grid->addWidget(caption(QString::fromUtf8(r.name), targets), at, 0);
        put_.place(grid, at, 1, r.monthly);
        put_.place(grid, at++, 2, r.bonus);
    }
    grid->setColumnStretch(3, 1);
    column->addWidget(targets);

    // The output with the input at the top and the bottom of its range; a click takes it.
    QWidget* references = nullptr;
    line = row_widget(references, 6);
    line->addWidget(side_note(QStringLiteral("上限時"), references));
    clickable_look(put_.add(line, f_.Llmax));
    line->addSpacing(12);
    line->addWidget(side_note(QStringLiteral("下限時"), references));
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
