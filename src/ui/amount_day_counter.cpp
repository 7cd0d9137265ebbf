// The first payment's day counter on the page "個別返済額算定": the two labels that open it
// for the monthly or the bonus part, and the group itself.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/amount_page.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

QWidget* AmountPage::day_counter() {
    auto* widget = new QWidget;
    QVBoxLayout* column = column_layout(widget, QMargins(), 2);

    // The two openers one under the other, beside their common note.
    auto* openers = new QGridLayout;
    column->addLayout(openers);
    openers->setHorizontalSpacing(8);
    openers->setVerticalSpacing(0);
    openers->addWidget(side_note(put_.binder(), f_.CaptionDayCounterNote, widget), 0, 0,
                       Qt::AlignTop);
    clickable_look(put_.place(openers, 0, 1, f_.Label6));
    clickable_look(put_.place(openers, 1, 1, f_.Label7));
    openers->setColumnStretch(2, 1);

    QWidget* group = put_.make(f_.GrpSyokai, widget);
    QGridLayout* grid = grid_layout(group, QMargins(8, 4, 8, 6), 6, 3);
    grid->addWidget(
        field_caption(put_.binder(), f_.MsEd1_yusi, f_.CaptionDayCounterLoanDate, group), 0, 0);
    put_.place_date(grid, 0, 1, f_.MsEd1_yusi);
    put_.place(grid, 1, 0, f_.La1_yotei);
    put_.place_date(grid, 1, 1, f_.MsEd1_yotei);
    grid->addWidget(
        field_caption(put_.binder(), f_.MsEd1_syokai, f_.CaptionDayCounterFirstDate, group), 2, 0);
    put_.place_date(grid, 2, 1, f_.MsEd1_syokai);

    QWidget* result = nullptr;
    QHBoxLayout* figures = row_widget(result, 4);
    figures->addWidget(
        field_caption(put_.binder(), f_.Ed1_nichi, f_.CaptionDayCounterDays, result));
    figure_field(put_.add(figures, f_.Ed1_nichi), 5);
    figures->addSpacing(6);
    figures->addWidget(
        field_caption(put_.binder(), f_.Ed1_hiwarikingaku, f_.CaptionDayCounterInterest, result));
    figure_field(put_.add(figures, f_.Ed1_hiwarikingaku), 12);
    figures->addStretch(1);
    grid->addWidget(result, 3, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    column->addWidget(group);
    return widget;
}

}  // namespace rebanto::ui
