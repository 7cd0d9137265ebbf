// The panels of the page "個別返済額算定" that stay closed until asked for: the interest
// of a single payment (opened by "日利") and the prepayment (opened by "内入").
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/amount_page.h"
#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

namespace {

constexpr int kMoneyChars = 12;

QLabel* panel_title(Binder& binder, Label& text, QWidget* parent) {
    QLabel* label = caption(binder, text, parent);
    embolden(label);
    return label;
}

}  // namespace

// The period rate or interest by days for a step of one payment; "元入優先" keeps the
// payment's principal part and lets the payment absorb the day interest.
QWidget* AmountPage::one_payment_panel(const OnePayment& parts) {
    QWidget* panel = put_.make(parts.panel);
    QVBoxLayout* column = column_layout(panel, QMargins(8, 4, 8, 4), 2);

    QWidget* head = nullptr;
    QHBoxLayout* line = row_widget(head, 6);
    line->addWidget(panel_title(put_.binder(), parts.title, head));
    line->addStretch(1);
    fit_button(put_.add(line, parts.apply));
    fit_button(put_.add(line, parts.principal_first));
    column->addWidget(head);

    QWidget* choice = nullptr;
    line = row_widget(choice, 6);
    put_.add(line, parts.normal);
    put_.add(line, parts.by_days);
    figure_field(put_.add(line, parts.days), 4);
    line->addWidget(caption(put_.binder(), parts.days_unit, choice));
    if (parts.days_caption != nullptr) put_.add(line, *parts.days_caption);
    line->addStretch(1);
    column->addWidget(choice);
    return panel;
}

// "内入": a part of the principal repaid with the step's last payment or some days or
// months after it, with the interest for that gap.
QWidget* AmountPage::prepayment_panel() {
    QWidget* panel = put_.make(f_.PanelUchi);
    QGridLayout* grid = grid_layout(panel, QMargins(8, 4, 8, 4), 6, 2);
    grid->addWidget(panel_title(put_.binder(), f_.CaptionPrepaymentTitle, panel), 0, 0, 1, 2);
    // Works the prepaid principal back from the total paid.
    fit_button(put_.place(grid, 0, 2, f_.ButUGaku, 1, 1, Qt::AlignRight));

    const auto amounts = [&](int row, Label& name, Edit& monthly, Edit& bonus) {
        grid->addWidget(caption(put_.binder(), name, panel), row, 0);
        figure_field(put_.place(grid, row, 1, monthly), kMoneyChars);
        figure_field(put_.place(grid, row, 2, bonus), kMoneyChars);
    };
    amounts(1, f_.CaptionPrepaymentAmount, f_.Edit33, f_.Edit43);

    // When it is paid: "同時" (with the payment), or a number of days or months after.
    QWidget* gap = nullptr;
    QHBoxLayout* line = row_widget(gap, 4);
    clickable_look(put_.add(line, f_.La_Uchi));
    figure_field(put_.add(line, f_.Ed_Uchi), 4);
    line->addWidget(side_note(put_.binder(), f_.CaptionPrepaymentGap, gap));
    line->addSpacing(8);
    line->addWidget(caption(put_.binder(), f_.CaptionPrepaymentRate, gap));
    figure_field(put_.add(line, f_.Edit27), 6);
    line->addWidget(caption(put_.binder(), f_.CaptionPrepaymentRateUnit, gap));
    line->addStretch(1);
    grid->addWidget(caption(put_.binder(), f_.CaptionPrepaymentWhen, panel), 2, 0);
    grid->addWidget(gap, 2, 1, 1, 2);

    amounts(3, f_.CaptionPrepaymentInterest, f_.Edit23, f_.Edit24);
    amounts(4, f_.CaptionPrepaymentTotal, f_.Edit25, f_.Edit26);
    return panel;
}

}  // namespace rebanto::ui
