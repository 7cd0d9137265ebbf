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
#include "ui/main_window_view.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

QGroupBox* titled_box(const QString& title, QHBoxLayout*& row) {
    auto* box = new QGroupBox(title);
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
void MainWindowView::build_composite_page(QGridLayout* page) {
    // The groups wrap onto a second line when the window is narrow.
    auto* top = new QWidget;
    auto* row = new FlowLayout(top, 12);
    page->addWidget(top, 0, 0, 1, 2);

    auto* copies_box = new QWidget;
    auto* copies = new QVBoxLayout(copies_box);
    copies->setContentsMargins(0, 0, 0, 0);
    copies->setSpacing(4);
    row->addWidget(copies_box);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    copies->addLayout(buttons);
    fit_button(put_.add(buttons, form_.ButtonM));
    fit_button(put_.add(buttons, form_.Button126));
    fit_button(put_.add(buttons, form_.ButtonB));
    fit_button(put_.add(buttons, form_.Button127));
    fit_button(put_.add(buttons, form_.Button107));
    auto* composites = new QHBoxLayout;
    composites->setSpacing(4);
    copies->addLayout(composites);
    fit_button(put_.add(composites, form_.Button28));
    fit_button(put_.add(composites, form_.Button128));
    fit_button(put_.add(composites, form_.Button29));
    fit_button(put_.add(composites, form_.Button129));
    composites->addStretch(1);
    // The caption of the table shown, red for the monthly tables and blue for the bonus ones.
    auto* shown = static_cast<QLineEdit*>(put_.add(copies, form_.Edit45));
    shown->setAlignment(Qt::AlignCenter);
    embolden(shown);

    QHBoxLayout* packs = nullptr;
    row->addWidget(titled_box(QStringLiteral("ﾏﾆｭｱﾙﾊﾟｯｸ"), packs));
    for (Button* button : {&form_.Button87, &form_.Button88, &form_.Button89}) {
        fit_button(put_.add(packs, *button), 52);
    }
    QHBoxLayout* restore = nullptr;
    row->addWidget(titled_box(QStringLiteral("基本設定"), restore));
    fit_button(put_.add(restore, form_.Button146));
    restore->addWidget(side_note(QStringLiteral("ﾌｧｲﾙから")));
    fit_button(put_.add(restore, form_.Button150), 52);
    QHBoxLayout* changes = nullptr;
    row->addWidget(titled_box(QStringLiteral("再計算ナビ活用"), changes));
    for (Button* button : {&form_.Button135, &form_.Button131, &form_.Button132, &form_.Button151})
        fit_button(put_.add(changes, *button));

    // First payment dates proposed from today, for reference; how months show; the shift.
    QWidget* middle = nullptr;
    QHBoxLayout* line = row_widget(middle, 12);
    page->addWidget(middle, 1, 0, 1, 2);
    QHBoxLayout* reference = nullptr;
    QWidget* dates = titled_box(QStringLiteral("初回参考日"), reference);
    line->addWidget(dates, 0, Qt::AlignBottom);
    fit_button(put_.add(reference, form_.Button72));
    const auto date = [&](const char* name, Edit& field) {
        reference->addWidget(field_caption(*binder_, field, QString::fromUtf8(name), dates));
        put_.add_date(reference, field);
    };
    date("融資", form_.MsEd7_yusi);
    date("月", form_.MsEd7_mon);
    date("ﾎﾞｰﾅｽ", form_.MsEd7_bon);
    auto* display = static_cast<QGroupBox*>(put_.make(form_.GrpHyouji));
    auto* radios = new QHBoxLayout(display);
    radios->setContentsMargins(8, 4, 8, 6);
    put_.add(radios, form_.RadioButton5);
    put_.add(radios, form_.RadioButton6);
    line->addWidget(display, 0, Qt::AlignBottom);
    fit_button(put_.add(line, form_.Button43));
    line->setAlignment(binder_->widget(form_.Button43), Qt::AlignBottom);
    line->addStretch(1);

    // The composite work, each copy work under the name of its table.
    QWidget* work = nullptr;
    QHBoxLayout* steps = row_widget(work, 4);
    page->addWidget(work, 2, 0, 1, 2);
    steps->addWidget(side_note(QStringLiteral("月")));
    fit_button(put_.add(steps, form_.ButtonM_C));
    QLabel* bonus = side_note(QString());
    follow(bonus, form_.Button67, [](const Control& name) { return to_q(name.caption()); });
    steps->addWidget(bonus);
    fit_button(put_.add(steps, form_.ButtonB_C));
    steps->addSpacing(8);
    for (Button* button : {&form_.Button32, &form_.Button30, &form_.Button138, &form_.Button31}) {
        fit_button(put_.add(steps, *button), 36);
    }
    steps->addStretch(1);

    // The copies and the composites share the place; the model shows one at a time.
    struct Shown {
        Grid& grid;
        QColor fixed;
    };
    for (const Shown& table : {Shown{form_.StringGrid1, CurrentTablesView::monthly_fixed_color()},
                               Shown{form_.StringGrid2, CurrentTablesView::bonus_fixed_color()},
                               Shown{form_.StringGrid3, CurrentTablesView::monthly_fixed_color()},
                               Shown{form_.StringGrid4, CurrentTablesView::bonus_fixed_color()}}) {
        auto* view = static_cast<QTableView*>(put_.place(page, 3, 1, table.grid));
        set_fixed_color(view, table.fixed);
    }
    // The work table of a merge is never shown.
    put_.make(form_.StringGrid5, page->parentWidget())->hide();
    page->setRowStretch(3, 1);
    page->setColumnStretch(1, 1);
    build_export_buttons(page, 3, 0);
    build_output_panel(page, 4);
    build_month_shift_panel(page->parentWidget());
    place_rest(page, form_.TabSheet7, 5);
}

// Left of the tables, where the page never scrolls them away: the composites as CSV and as
// text to print, each pair under the name of its table.
void MainWindowView::build_export_buttons(QGridLayout* page, int row, int col) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    page->addLayout(column, row, col);
    column->addWidget(side_note(QStringLiteral("合成")));
    fit_button(put_.add(column, form_.CSV3), 52);
    fit_button(put_.add(column, form_.CSV3_suuti), 52);
    fit_button(put_.add(column, form_.Button27), 52);
    column->addSpacing(8);
    QLabel* bonus = side_note(QString());
    follow(bonus, form_.Button67,
           [](const Control& name) { return QStringLiteral("合成").append(to_q(name.caption())); });
    column->addWidget(bonus);
    fit_button(put_.add(column, form_.CSV4), 52);
    fit_button(put_.add(column, form_.CSV4_suuti), 52);
    fit_button(put_.add(column, form_.Button36), 52);
    column->addStretch(1);
}

// The output panel under the tables: the memo the CSV and print texts are made in, and
// its operations beside it. It shows when a text is made and hides with "閉じる".
void MainWindowView::build_output_panel(QGridLayout* page, int row) {
    QWidget* panel = put_.place(page, row, 0, form_.Panel1, 1, 2);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(4);
    // The operations on the left, where the page never scrolls them away.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    column->addLayout(buttons);
    buttons->addWidget(side_note(QStringLiteral("出力"), panel));
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
void MainWindowView::build_month_shift_panel(QWidget* sheet) {
    QWidget* panel = put_.make(form_.Panel2, sheet);
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(8, 6, 8, 6);
    line->setSpacing(4);
    line->addWidget(side_note(QStringLiteral("平成"), panel));
    figure_field(put_.add(line, form_.Edit60), 3);
    clickable_look(put_.add(line, form_.La2_nen));
    figure_field(put_.add(line, form_.Edit61), 3);
    clickable_look(put_.add(line, form_.La2_tuki));
    line->addSpacing(6);
    line->addWidget(field_caption(*binder_, form_.Edit59, QStringLiteral("増減月数"), panel));
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
