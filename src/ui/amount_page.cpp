#include "ui/amount_page.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "ui/binder.h"
#include "ui/clickable_label.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// Columns of the step fields.
constexpr int kName = 0;
constexpr int kMonthly = 1;
constexpr int kBonus = 2;
constexpr int kExtra = 3;

// Digits an amount field is sized for: "\1,234,567,890".
constexpr int kMoneyChars = 13;
constexpr int kCountChars = 4;

QLabel* column_header(QLabel* label) {
    embolden(label);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Only the page itself, its frames and the view's own captions are background: a control
// keeps its own right click.
bool is_background(const QWidget* hit) {
    if (hit == nullptr) return true;
    return qobject_cast<const ClickableLabel*>(hit) == nullptr &&
           qobject_cast<const QAbstractButton*>(hit) == nullptr &&
           qobject_cast<const QAbstractSlider*>(hit) == nullptr &&
           qobject_cast<const QAbstractSpinBox*>(hit) == nullptr &&
           qobject_cast<const QLineEdit*>(hit) == nullptr;
}

// A framed box of the page laid out as a grid; returns the grid to fill.
QGridLayout* framed_grid(QFrame*& box, const QMargins& margins, int horizontal, int vertical) {
    box = new QFrame;
    box->setFrameShape(QFrame::StyledPanel);
    return grid_layout(box, margins, horizontal, vertical);
}

}  // namespace

void AmountPage::build(QGridLayout* page) {
    QWidget* sheet = page->parentWidget();
    page->addWidget(step_length_row(), 0, 0, 1, 2);
    page->addWidget(step_grid(), 1, 0, Qt::AlignTop);
    page->addWidget(side_column(), 1, 1);
    page->addWidget(progress_band(), 2, 0, 1, 2);
    page->addWidget(action_row(), 3, 0, 1, 2);
    page->setRowStretch(1, 1);
    page->setColumnStretch(1, 1);
    reverse_search_panel(sheet);
    menu_ = popup_menu(sheet);
}

// "返済回シミュレーション（1期分）": how many months one step covers. The two "回分"
// labels lengthen the step by one month or one bonus interval (a right click shortens).
QWidget* AmountPage::step_length_row() {
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget);
    embolden(put_.add(row, f_.Label16));
    row->addSpacing(16);
    put_.add(row, f_.Label11);
    row->addSpacing(4);
    figure_field(put_.add(row, f_.Ed1_yy5), 3);
    clickable_look(put_.add(row, f_.Label24));
    figure_field(put_.add(row, f_.Ed1_mm5), 3);
    clickable_look(put_.add(row, f_.Label25));
    row->addSpacing(18);
    row->addWidget(side_note(put_.binder(), f_.CaptionLongerByMonth, widget));
    clickable_look(put_.add(row, f_.Label31));
    row->addSpacing(6);
    row->addWidget(side_note(put_.binder(), f_.CaptionLongerByBonus, widget));
    clickable_look(put_.add(row, f_.Label32));
    row->addStretch(1);
    return widget;
}

// The step fields: one row per quantity, the monthly part left, the bonus part right.
QWidget* AmountPage::step_grid() {
    QFrame* box = nullptr;
    QGridLayout* grid = framed_grid(box, QMargins(8, 4, 8, 6), 8, 3);

    grid->addWidget(column_header(caption(put_.binder(), f_.CaptionStepMonthlyHeader, box)), 0,
                    kMonthly);
    // The second stream carries its own name ("ﾎﾞｰﾅｽ" or "第２").
    grid->addWidget(column_header(joined_caption(f_.Button67, f_.CaptionRepaymentSuffix, box)), 0,
                    kBonus);

    int row = 1;
    const auto amounts = [&](Control& name, Edit& monthly, Edit& bonus) {
        put_.place(grid, row, kName, name);
        figure_field(put_.place(grid, row, kMonthly, monthly), kMoneyChars);
        figure_field(put_.place(grid, row, kBonus, bonus), kMoneyChars);
        return row++;
    };
    const auto extras = [&](int at) {
        QWidget* widget = nullptr;
        QHBoxLayout* line = row_widget(widget);
        grid->addWidget(widget, at, kExtra, Qt::AlignLeft);
        return line;
    };

    const int principal = amounts(f_.Label4, f_.Edit1, f_.Edit6);
    clickable_look(put_.place(grid, principal, kExtra, f_.Label185));

    put_.place(grid, row, kName, f_.Label1);
    figure_field(put_.place(grid, row, kMonthly, f_.Edit2), kMoneyChars);
    grid->addWidget(side_note(put_.binder(), f_.CaptionRateCommon, box), row++, kBonus,
                    Qt::AlignCenter);

    put_.place(grid, row, kName, f_.LabelZan);
    figure_field(put_.place(grid, row, kMonthly, f_.Ed1_Mzankaisu, 1, 1, Qt::AlignLeft),
                 kCountChars);
    figure_field(put_.place(grid, row++, kBonus, f_.Ed1_Bzankaisu, 1, 1, Qt::AlignLeft),
                 kCountChars);

    const int instalment = amounts(f_.Label3, f_.Edit4, f_.Edit9);
    QHBoxLayout* normal = extras(instalment);
    fit_button(put_.add(normal, f_.Button4));
    put_.add(normal, f_.Label125);

    step_count_row(grid, row++);

    amounts(f_.LabelRisoku, f_.Edit15, f_.Edit17);
    amounts(f_.LabelGankin, f_.Edit16, f_.Edit18);
    amounts(f_.Label15, f_.Edit21, f_.Edit22);
    const int balance = amounts(f_.LabelZandaka, f_.Edit5, f_.Edit10);
    fit_button(put_.add(extras(balance), f_.Button46));
    amounts(f_.LabelGaisan, f_.Edit19, f_.Edit20);
    return box;
}

// The payments of one step; with a single payment the day-interest panel can open.
void AmountPage::step_count_row(QGridLayout* grid, int row) {
    QWidget* box = grid->parentWidget();
    grid->addWidget(caption(put_.binder(), f_.CaptionStepCount, box), row, kName);
    const auto count = [&](Edit& field, Label& unit, Button& days, int col) {
        QWidget* widget = nullptr;
        QHBoxLayout* line = row_widget(widget);
        figure_field(put_.add(line, field), kCountChars);
        put_.add(line, unit);
        line->addStretch(1);
        fit_button(put_.add(line, days));
        grid->addWidget(widget, row, col);
    };
    count(f_.Edit13, f_.Label214, f_.But_mHiri, kMonthly);
    count(f_.Edit14, f_.Label215, f_.But_bHiri, kBonus);
}

// Beside the step fields: the total principal, the bonus timing, and the panels the
// page opens for a single payment or a prepayment.
QWidget* AmountPage::side_column() {
    auto* widget = new QWidget;
    QVBoxLayout* column = column_layout(widget, QMargins(), 6);

    QWidget* total = nullptr;
    QHBoxLayout* line = row_widget(total);
    put_.add(line, f_.Label192);
    auto* sum = static_cast<QLineEdit*>(put_.add(line, f_.Edit31));
    figure_field(sum, kMoneyChars);
    line->addWidget(side_note(put_.binder(), f_.CaptionTotalPrincipalNote, total));
    line->addStretch(1);
    column->addWidget(total);

    QWidget* timing = nullptr;
    line = row_widget(timing, 8);
    fit_button(put_.add(line, f_.Button140));
    clickable_look(put_.add(line, f_.Label187));
    line->addStretch(1);
    column->addWidget(timing);
    column->addWidget(calculator_buttons());
    column->addWidget(day_counter());

    column->addWidget(one_payment_panel(
        {f_.Panel7, f_.CaptionOnePaymentMonthly, f_.CaptionOnePaymentMonthlyDays, f_.RadioButton3,
         f_.RadioButton4, f_.Edit28, &f_.Label206, f_.But_mDainyu, f_.Button139}));
    column->addWidget(one_payment_panel(
        {f_.Panel8, f_.CaptionOnePaymentBonus, f_.CaptionOnePaymentBonusDays, f_.RadioButton11,
         f_.RadioButton12, f_.Edit29, nullptr, f_.But_bDainyu, f_.Button144}));
    column->addWidget(prepayment_panel());
    column->addStretch(1);
    column->addWidget(memo_tools());
    return widget;
}

// Where the run stands: months passed, the end of this step, the months left, and the
// slider over the whole term.
QWidget* AmountPage::progress_band() {
    auto* widget = new QWidget;
    QVBoxLayout* column = column_layout(widget, QMargins(), 0);

    QWidget* figures = nullptr;
    QHBoxLayout* row = row_widget(figures, 3);
    // The months, then the same as years and months: "ヶ月 (", "年", "ヶ月)".
    const auto months = [&](Label& name, Label& count, Edit& years, Edit& rest,
                            std::array<Label*, 3> units) {
        embolden(put_.add(row, name));
        put_.add(row, count);
        row->addWidget(caption(put_.binder(), *units[0], figures));
        figure_field(put_.add(row, years), 3);
        row->addWidget(caption(put_.binder(), *units[1], figures));
        figure_field(put_.add(row, rest), 3);
        row->addWidget(caption(put_.binder(), *units[2], figures));
    };
    months(f_.LabelKeika, f_.LabK1, f_.Ed1_yy1, f_.Ed1_mm1,
           {&f_.CaptionPassedMonths, &f_.CaptionPassedYears, &f_.CaptionPassedRest});
    row->addSpacing(10);
    row->addWidget(side_note(put_.binder(), f_.CaptionBonusRange, figures));
    put_.add(row, f_.LabK1_b);
    row->addWidget(caption(put_.binder(), f_.CaptionBonusRangeTo, figures));
    put_.add(row, f_.LabK9_b);
    row->addWidget(caption(put_.binder(), f_.CaptionBonusRangeUnit, figures));
    row->addStretch(1);
    QWidget* position = put_.add(row, f_.Label196);
    static_cast<QLabel*>(position)->setAlignment(Qt::AlignCenter);
    row->addStretch(1);
    months(f_.LabelMade, f_.LabK9, f_.Ed1_yy9, f_.Ed1_mm9,
           {&f_.CaptionUntilMonths, &f_.CaptionUntilYears, &f_.CaptionUntilRest});
    row->addSpacing(10);
    embolden(put_.add(row, f_.LabelNokori));
    put_.add(row, f_.LabK0);
    row->addWidget(caption(put_.binder(), f_.CaptionLeftMonths, figures));
    column->addWidget(figures);

    QWidget* slider = put_.make(f_.TrackBar2, widget);
    column->addWidget(slider);
    return widget;
}

// The run buttons, then the memo tools.
QWidget* AmountPage::action_row() {
    QWidget* widget = nullptr;
    QHBoxLayout* row = row_widget(widget, 4);
    // The commit is the page's main action.
    QWidget* commit = put_.add(row, f_.Button1);
    embolden(commit);
    static_cast<QPushButton*>(commit)->setDefault(true);
    fit_button(commit, 96);
    for (Button* b : {&f_.Button19, &f_.Button20}) {
        fit_button(put_.add(row, *b));
    }
    figure_field(put_.add(row, f_.Edit80), 3);
    fit_button(put_.add(row, f_.Button76));
    fit_button(put_.add(row, f_.Button18));
    fit_button(put_.add(row, f_.Button21));
    put_.add(row, f_.CBallway);
    row->addSpacing(8);
    fit_button(put_.add(row, f_.Button110), 34);
    fit_button(put_.add(row, f_.Button111), 34);
    row->addSpacing(8);
    fit_button(put_.add(row, f_.Button112));
    fit_button(put_.add(row, f_.Button113), 28);
    row->addStretch(1);
    return widget;
}

// What goes into the memos besides the steps: the totals, a band, and clearing them.
QWidget* AmountPage::memo_tools() {
    QFrame* box = nullptr;
    QGridLayout* grid = framed_grid(box, QMargins(8, 4, 8, 4), 6, 4);
    QLabel* title = caption(put_.binder(), f_.CaptionMemoTools, box);
    embolden(title);
    grid->addWidget(title, 0, 0);
    QWidget* writes = nullptr;
    QHBoxLayout* row = row_widget(writes, 6);
    for (Button* b : {&f_.Button15, &f_.Button6, &f_.Bt0_allClear}) {
        fit_button(put_.add(row, *b));
    }
    row->addStretch(1);
    grid->addWidget(writes, 0, 1);
    grid->addWidget(caption(put_.binder(), f_.CaptionMemoToolsClear, box), 1, 0);
    QWidget* clears = nullptr;
    row = row_widget(clears, 6);
    row->addWidget(side_note(put_.binder(), f_.CaptionMemoToolsMonthly, clears));
    fit_button(put_.add(row, f_.Button48), 34);
    row->addSpacing(8);
    QLabel* bonus = joined_caption(f_.Button67, f_.CaptionRepaymentSuffix, clears);
    mute(bonus);
    row->addWidget(bonus);
    fit_button(put_.add(row, f_.Button49), 34);
    row->addStretch(1);
    grid->addWidget(clears, 1, 1);
    grid->addWidget(caption(put_.binder(), f_.CaptionMemoToolsWriter, box), 2, 0);
    QWidget* owner = nullptr;
    row = row_widget(owner, 6);
    put_.add(row, f_.Edit58);
    put_.add(row, f_.Label_cl);
    put_.add(row, f_.Label_mem);
    row->addStretch(1);
    grid->addWidget(owner, 2, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

// A right click on the page's background offers the run commands.
QMenu* AmountPage::popup_menu(QWidget* page) {
    auto* menu = new QMenu(page);
    for (MenuItem* item :
         {&f_.N5kibun, &f_.N10kibun, &f_.NShiteiKibun, &f_.NSaigo, &f_.NMemoKisai}) {
        menu->addAction(put_.action(*item, menu));
    }
    menu->addSeparator();
    for (MenuItem* item : {&f_.NGurafuM, &f_.NGurafuB})
        menu->addAction(put_.action(*item, menu));
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(page, &QWidget::customContextMenuRequested, menu,
                     [page, menu](const QPoint& at) {
                         if (is_background(page->childAt(at))) menu->popup(page->mapToGlobal(at));
                     });
    return menu;
}

}  // namespace rebanto::ui
