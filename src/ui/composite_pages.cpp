// The page "複合編成": copies of the current tables, manual pack files, the restore of
// the basic inputs and the reference first-payment dates. Controls the model adds to the
// page later appear below what is placed here.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/current_tables_view.h"
#include "ui/flow_layout.h"
#include "ui/grid_view.h"
#include "ui/page_views.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

QGroupBox* titled_box(Binder& binder, Label& title, QHBoxLayout*& row) {
    auto* box = new QGroupBox;
    title_box(binder, box, title);
    row = new QHBoxLayout(box);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(4);
    return box;
}

}  // namespace

// "複合編成": the buttons that show the current copies and the composites over the caption
// of the table shown, the pack files and the restore beside them; the reference dates,
// the month display and the month shift; the composite work; and the table shown below
// (one grid at a time, as the model shows it).
void CompositePageView::build(QGridLayout* page) {
    // The groups wrap onto a second line when the window is narrow.
    auto* top = new QWidget;
    auto* row = new FlowLayout(top, 12);
    page->addWidget(top, 0, 0, 1, 2);
    row->addWidget(build_copies());
    build_files(row);
    page->addWidget(build_reference_line(), 1, 0, 1, 2);
    page->addWidget(build_work_steps(), 2, 0, 1, 2);
    build_tables(page, 3);
    build_export_buttons(page, 3, 0);
    build_output_panel(page, 4);
    build_month_shift_panel(page->parentWidget());
    place_rest(page, 5);
}

// The current copies and the composites, over the caption of the table shown.
QWidget* CompositePageView::build_copies() {
    auto* copies_box = new QWidget;
    QVBoxLayout* copies = column_layout(copies_box, QMargins(), 4);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    copies->addLayout(buttons);
    for (Button* button :
         {&form_.ButtonM, &form_.Button126, &form_.ButtonB, &form_.Button127, &form_.Button107}) {
        fit_button(put_.add(buttons, *button));
    }
    auto* composites = new QHBoxLayout;
    composites->setSpacing(4);
    copies->addLayout(composites);
    for (Button* button : {&form_.Button28, &form_.Button128, &form_.Button29, &form_.Button129})
        fit_button(put_.add(composites, *button));
    composites->addStretch(1);
    // The caption of the table shown, red for the monthly tables and blue for the bonus ones.
    auto* shown = static_cast<QLineEdit*>(put_.add(copies, form_.Edit45));
    shown->setAlignment(Qt::AlignCenter);
    embolden(shown);
    return copies_box;
}

// The manual pack files, the restore of the basic inputs and the navigator's changes.
void CompositePageView::build_files(FlowLayout* row) {
    QHBoxLayout* packs = nullptr;
    row->addWidget(titled_box(*binder_, form_.CaptionManualPacks, packs));
    for (Button* button : {&form_.Button87, &form_.Button88, &form_.Button89}) {
        fit_button(put_.add(packs, *button), 52);
    }
    QHBoxLayout* restore = nullptr;
    row->addWidget(titled_box(*binder_, form_.CaptionBasicSettings, restore));
    fit_button(put_.add(restore, form_.Button146));
    restore->addWidget(side_note(*binder_, form_.CaptionFromFile));
    fit_button(put_.add(restore, form_.Button150), 52);
    QHBoxLayout* changes = nullptr;
    row->addWidget(titled_box(*binder_, form_.CaptionNavigatorUse, changes));
    for (Button* button : {&form_.Button135, &form_.Button131, &form_.Button132, &form_.Button151})
        fit_button(put_.add(changes, *button));
}

// First payment dates proposed from today, for reference; how months show; the shift.
QWidget* CompositePageView::build_reference_line() {
    QWidget* middle = nullptr;
    QHBoxLayout* line = row_widget(middle, 12);
    QHBoxLayout* reference = nullptr;
    QWidget* dates = titled_box(*binder_, form_.CaptionReferenceDates, reference);
    line->addWidget(dates, 0, Qt::AlignBottom);
    fit_button(put_.add(reference, form_.Button72));
    const auto date = [&](Label& name, Edit& field) {
        reference->addWidget(field_caption(*binder_, field, name, dates));
        put_.add_date(reference, field);
    };
    date(form_.CaptionReferenceLoan, form_.MsEd7_yusi);
    date(form_.CaptionReferenceMonthly, form_.MsEd7_mon);
    date(form_.CaptionReferenceBonus, form_.MsEd7_bon);
    auto* display = static_cast<QGroupBox*>(put_.make(form_.GrpHyouji));
    auto* radios = new QHBoxLayout(display);
    radios->setContentsMargins(8, 4, 8, 6);
    put_.add(radios, form_.RadioButton5);
    put_.add(radios, form_.RadioButton6);
    line->addWidget(display, 0, Qt::AlignBottom);
    fit_button(put_.add(line, form_.Button43));
    line->setAlignment(binder_->widget(form_.Button43), Qt::AlignBottom);
    line->addStretch(1);
    return middle;
}

// The composite work, each copy work under the name of its table.
QWidget* CompositePageView::build_work_steps() {
    QWidget* work = nullptr;
    QHBoxLayout* steps = row_widget(work, 4);
    steps->addWidget(side_note(*binder_, form_.CaptionCompositeMonthly));
    fit_button(put_.add(steps, form_.ButtonM_C));
    QLabel* bonus =
        derived_caption(form_.Button67, [](const Control& name) { return to_q(name.caption()); });
    mute(bonus);
    steps->addWidget(bonus);
    fit_button(put_.add(steps, form_.ButtonB_C));
    steps->addSpacing(8);
    for (Button* button : {&form_.Button32, &form_.Button30, &form_.Button138, &form_.Button31}) {
        fit_button(put_.add(steps, *button), 36);
    }
    steps->addStretch(1);
    return work;
}

// The copies and the composites share the place; the model shows one at a time.
void CompositePageView::build_tables(QGridLayout* page, int row) {
    struct Shown {
        Grid& grid;
        QColor fixed;
    };
    for (const Shown& table : {Shown{form_.StringGrid1, CurrentTablesView::monthly_fixed_color()},
                               Shown{form_.StringGrid2, CurrentTablesView::bonus_fixed_color()},
                               Shown{form_.StringGrid3, CurrentTablesView::monthly_fixed_color()},
                               Shown{form_.StringGrid4, CurrentTablesView::bonus_fixed_color()}}) {
        auto* view = static_cast<QTableView*>(put_.place(page, row, 1, table.grid));
        set_fixed_color(view, table.fixed);
    }
    // The work table of a merge is never shown.
    put_.make(form_.StringGrid5, page->parentWidget())->hide();
    page->setRowStretch(row, 1);
    page->setColumnStretch(1, 1);
}

// Left of the tables, where the page never scrolls them away: the composites as CSV and as
// text to print, each pair under the name of its table.
void CompositePageView::build_export_buttons(QGridLayout* page, int row, int col) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    page->addLayout(column, row, col);
    column->addWidget(side_note(*binder_, form_.CaptionCompositeExport));
    fit_button(put_.add(column, form_.CSV3), 52);
    fit_button(put_.add(column, form_.CSV3_suuti), 52);
    fit_button(put_.add(column, form_.Button27), 52);
    column->addSpacing(8);
    // The composite's word before the second stream's name: "合成ﾎﾞｰﾅｽ".
    const Label* composite = &form_.CaptionCompositeExport;
    QLabel* bonus = derived_caption(form_.Button67, [composite](const Control& name) {
        return to_q(composite->caption()).append(to_q(name.caption()));
    });
    mute(bonus);
    column->addWidget(bonus);
    fit_button(put_.add(column, form_.CSV4), 52);
    fit_button(put_.add(column, form_.CSV4_suuti), 52);
    fit_button(put_.add(column, form_.Button36), 52);
    column->addStretch(1);
}

// The output panel under the tables: the memo the CSV and print texts are made in, and
// its operations beside it. It shows when a text is made and hides with "閉じる".
void CompositePageView::build_output_panel(QGridLayout* page, int row) {
    QWidget* panel = put_.place(page, row, 0, form_.Panel1, 1, 2);
    QVBoxLayout* column = column_layout(panel, QMargins(6, 4, 6, 4), 4);
    // The operations on the left, where the page never scrolls them away.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    column->addLayout(buttons);
    buttons->addWidget(side_note(*binder_, form_.CaptionOutput, panel));
    for (Button* button : {&form_.Button69, &form_.Bt1_insatu, &form_.Bt1_tojiru})
        fit_button(put_.add(buttons, *button), 52);
    buttons->addStretch(1);
    auto* memo = static_cast<QPlainTextEdit*>(put_.add(column, form_.RichEdit4, 1));
    // CSV and print lines are long columns: wrapping would break them.
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    page->setRowStretch(row, 1);
}

// The month shift floats over the page below its button: the era year and month that
// make the shift, the shift, and the operations on the two current tables.
void CompositePageView::build_month_shift_panel(QWidget* sheet) {
    QWidget* panel = put_.make(form_.Panel2, sheet);
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(8, 6, 8, 6);
    line->setSpacing(4);
    line->addWidget(side_note(*binder_, form_.CaptionEra, panel));
    figure_field(put_.add(line, form_.Edit60), 3);
    clickable_look(put_.add(line, form_.La2_nen));
    figure_field(put_.add(line, form_.Edit61), 3);
    clickable_look(put_.add(line, form_.La2_tuki));
    line->addSpacing(6);
    line->addWidget(field_caption(*binder_, form_.Edit59, form_.CaptionMonthShift, panel));
    figure_field(put_.add(line, form_.Edit59), 5);
    line->addSpacing(6);
    for (Button* button : {&form_.Button44, &form_.Button71, &form_.Bt2_tojiru}) {
        fit_button(put_.add(line, *button), 44);
    }
    QWidget* button = binder_->widget(form_.Button43);
    float_over(panel,
               [sheet, button] { return button->mapTo(sheet, QPoint(0, button->height() + 4)); });
}

}  // namespace rebanto::ui
