// The pack slots of the page "編成一括": the ten slots in two columns, what is done with
// the selected one, and the pack list with the run over all packs.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/page_views.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

QWidget* DatesPageView::build_pack_slots() {
    auto* box = static_cast<QGroupBox*>(put_.make(form_.GrpPack));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(10, 6, 10, 8);
    column->setSpacing(4);

    // Slots 1-5 down the left, 6-10 down the right, as the list file numbers them.
    auto* slots = new QGridLayout;
    slots->setHorizontalSpacing(6);
    slots->setVerticalSpacing(2);
    column->addLayout(slots);
    const std::array<RadioButton*, 10> buttons{
        &form_.RadioButton101, &form_.RadioButton102, &form_.RadioButton103, &form_.RadioButton104,
        &form_.RadioButton105, &form_.RadioButton106, &form_.RadioButton107, &form_.RadioButton108,
        &form_.RadioButton109, &form_.RadioButton110};
    for (int i = 0; i < 10; ++i) {
        QWidget* slot = put_.place(slots, i % 5, i / 5, *buttons[i]);
        slot->setAutoFillBackground(true);
        slot->setMinimumWidth(118);
    }

    QWidget* actions = nullptr;
    QHBoxLayout* line = row_widget(actions, 4);
    for (Button* button : {&form_.Button78, &form_.Button47, &form_.Button79, &form_.Button83}) {
        fit_button(put_.add(line, *button), 44);
    }
    line->addStretch(1);
    column->addWidget(actions);

    QWidget* list = nullptr;
    QHBoxLayout* files = row_widget(list, 4);
    fit_button(put_.add(files, form_.Button80));
    fit_button(put_.add(files, form_.Button81));
    files->addStretch(1);
    column->addWidget(list);
    QWidget* all = put_.add(column, form_.Button82);
    embolden(all);
    // The list's memo and the name of the recalled file stay out of sight.
    put_.make(form_.Memo2, box)->hide();
    put_.make(form_.Ed_hen1, box)->hide();
    return box;
}

}  // namespace rebanto::ui
