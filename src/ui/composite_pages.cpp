// The pages "複合編成" (copies of the current tables, manual pack files, the restore of
// the basic inputs) and "編成一括" (loan dates and the first-payment correction). Controls
// the model adds to either page later appear below what is placed here.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/current_tables_view.h"
#include "ui/grid_view.h"
#include "ui/main_window_view.h"
#include "ui/page_parts.h"

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

// "複合編成": the copy buttons over the caption of the copy shown, the pack files and the
// restore beside them, and the copy below (one grid at a time, as the model shows it).
void MainWindowView::build_composite_page(QGridLayout* page) {
    QWidget* top = nullptr;
    QHBoxLayout* row = row_widget(top, 12);
    page->addWidget(top, 0, 0);

    auto* copies = new QVBoxLayout;
    copies->setSpacing(4);
    row->addLayout(copies);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    copies->addLayout(buttons);
    fit_button(put_.add(buttons, form_.ButtonM));
    fit_button(put_.add(buttons, form_.ButtonB));
    // The caption of the copy shown, red for the monthly table and blue for the bonus one.
    auto* shown = static_cast<QLineEdit*>(put_.add(copies, form_.Edit45));
    shown->setAlignment(Qt::AlignCenter);
    embolden(shown);

    QHBoxLayout* packs = nullptr;
    row->addWidget(titled_box(QStringLiteral("ﾏﾆｭｱﾙﾊﾟｯｸ"), packs), 0, Qt::AlignTop);
    for (Button* button : {&form_.Button87, &form_.Button88, &form_.Button89}) {
        fit_button(put_.add(packs, *button), 52);
    }
    QHBoxLayout* restore = nullptr;
    row->addWidget(titled_box(QStringLiteral("基本設定"), restore), 0, Qt::AlignTop);
    fit_button(put_.add(restore, form_.Button146));
    restore->addWidget(side_note(QStringLiteral("ﾌｧｲﾙから")));
    fit_button(put_.add(restore, form_.Button150), 52);
    row->addStretch(1);

    // Both copies share the place; the model shows one of them at a time.
    struct Copy {
        Grid& grid;
        QColor fixed;
    };
    for (const Copy& copy : {Copy{form_.StringGrid1, CurrentTablesView::monthly_fixed_color()},
                             Copy{form_.StringGrid2, CurrentTablesView::bonus_fixed_color()}}) {
        auto* view = static_cast<QTableView*>(put_.place(page, 2, 0, copy.grid));
        set_fixed_color(view, copy.fixed);
    }
    page->setRowStretch(2, 1);
    place_rest(page, form_.TabSheet7, 1);
}

// "編成一括": the loan date and the first payment dates with their differences, the
// correction switch and the months before the first payment, and the title of the work.
void MainWindowView::build_dates_page(QGridLayout* page) {
    auto* box = new QGroupBox(QStringLiteral("融資実行日と初回返済日"));
    page->addWidget(box, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const auto date = [&](int r, Edit& field, const char* name) {
        grid->addWidget(field_caption(*binder_, field, QString::fromUtf8(name), box), r, 0);
        QWidget* widget = put_.place(grid, r, 1, field);
        set_width_chars(widget, 11);
    };
    const auto difference = [&](int r, Edit& field) {
        grid->addWidget(field_caption(*binder_, field, QStringLiteral("初回差額"), box), r, 3);
        figure_field(put_.place(grid, r, 4, field), 10);
    };
    date(0, form_.MsEd8_yusi, "融資実行日");
    date(1, form_.MsEd8_mon, "初回返済日（月）");
    difference(1, form_.Edit78);
    date(2, form_.MsEd8_bon, "初回返済日（ﾎﾞｰﾅｽ）");
    difference(2, form_.Edit79);
    grid->setColumnMinimumWidth(2, 16);
    put_.place(grid, 3, 1, form_.CheckBox2);
    grid->addWidget(field_caption(*binder_, form_.Edit35, QStringLiteral("初回据置月数"), box), 4,
                    0);
    figure_field(put_.place(grid, 4, 1, form_.Edit35, 1, 1, Qt::AlignLeft), 4);
    // Shown only while a first-payment difference waits to be applied.
    QWidget* actions = nullptr;
    QHBoxLayout* line = row_widget(actions, 6);
    fit_button(put_.add(line, form_.Button51));
    fit_button(put_.add(line, form_.Button26));
    line->addStretch(1);
    grid->addWidget(actions, 3, 3, 2, 2, Qt::AlignLeft | Qt::AlignVCenter);

    QWidget* title = nullptr;
    QHBoxLayout* title_row = row_widget(title, 6);
    title_row->addWidget(field_caption(*binder_, form_.Edit67, QStringLiteral("ﾀｲﾄﾙ"), title));
    set_width_chars(put_.add(title_row, form_.Edit67), 36);
    title_row->addStretch(1);
    page->addWidget(title, 1, 0);

    place_rest(page, form_.TabSheet8, 2);
    page->setRowStretch(3, 1);
    page->setColumnStretch(1, 1);
}

}  // namespace rebanto::ui
