// The page "複合編成": copies of the current tables, manual pack files, the restore of
// the basic inputs and the reference first-payment dates. Controls the model adds to the
// page later appear below what is placed here.
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
    fit_button(put_.add(buttons, form_.Button107));
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
    // First payment dates proposed from today, for reference, on a line of their own.
    QHBoxLayout* reference = nullptr;
    QWidget* dates = titled_box(QStringLiteral("初回参考日"), reference);
    page->addWidget(dates, 1, 0, Qt::AlignLeft);
    fit_button(put_.add(reference, form_.Button72));
    const auto date = [&](const char* name, Edit& field) {
        reference->addWidget(field_caption(*binder_, field, QString::fromUtf8(name), dates));
        put_.add_date(reference, field);
    };
    date("融資", form_.MsEd7_yusi);
    date("月", form_.MsEd7_mon);
    date("ﾎﾞｰﾅｽ", form_.MsEd7_bon);
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
    place_rest(page, form_.TabSheet7, 3);
}

}  // namespace rebanto::ui
