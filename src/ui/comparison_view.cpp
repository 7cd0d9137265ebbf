#include "ui/comparison_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/verification_view.h"

namespace rebanto::ui {

namespace {

struct TablePart {
    Label& title;
    std::vector<CheckBox*> memories;  // none for the difference table
    Label* memories_caption;
    Button& work;
    Button& csv;
    Button& numeric;
    Button& chart;
    Grid& grid;
    int stretch;
};

// The row over a table: its caption, the memories it is summed from and its operations.
QWidget* table_bar(Placer& put, TFormHi& form, const TablePart& part) {
    QWidget* bar = nullptr;
    QHBoxLayout* row = row_widget(bar, 4);
    embolden(put.add(row, part.title));
    if (!part.memories.empty()) {
        row->addSpacing(8);
        row->addWidget(side_note(put.binder(), *part.memories_caption, bar));
        for (CheckBox* memory : part.memories)
            put.add(row, *memory);
    }
    row->addSpacing(8);
    fit_button(put.add(row, part.work));
    fit_button(put.add(row, part.csv), 40);
    fit_button(put.add(row, part.numeric));
    fit_button(put.add(row, part.chart), 48);
    row->addStretch(1);
    // The verification opens from the last table's bar, below which it appears.
    if (&part.grid == &form.StringGrid3) fit_button(put.add(row, form.Button9), 64);
    return bar;
}

}  // namespace

ComparisonView::ComparisonView(TFormHi& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(QString::fromStdString(form.name()));
    auto* halves = new QHBoxLayout(this);
    halves->setContentsMargins(6, 4, 6, 6);
    halves->setSpacing(6);
    auto* tables = new QVBoxLayout;
    tables->setSpacing(column_spacing_);
    halves->addLayout(tables, 1);
    Placer put(*binder_);
    // The difference table is a little taller than the two it is made from.
    const TablePart parts[] = {
        {form.Label1,
         {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4, &form.CheckBox5},
         &form.CaptionMemoriesA,
         form.Button1,
         form.CSV1,
         form.CSV1_suuti,
         form.Button14,
         form.StringGrid1,
         4},
        {form.Label2,
         {&form.CheckBox6, &form.CheckBox7, &form.CheckBox8, &form.CheckBox9, &form.CheckBox10},
         &form.CaptionMemoriesB,
         form.Button2,
         form.CSV2,
         form.CSV2_suuti,
         form.Button15,
         form.StringGrid2,
         4},
        {form.Label3,
         {},
         nullptr,
         form.Button3,
         form.CSV3,
         form.CSV3_suuti,
         form.Button16,
         form.StringGrid3,
         5},
    };
    int k = 0;
    for (const TablePart& part : parts) {
        QWidget* bar = table_bar(put, form, part);
        tables->addWidget(bar);
        bars_[k] = bar;
        grids_[k] = &part.grid;
        stretches_[k] = part.stretch;
        tables_[k] = static_cast<QTableView*>(put.add(tables, part.grid, part.stretch));
        // A few rows of each table stay in sight when the verification takes room below.
        tables_[k++]->setMinimumHeight(120);
    }
    tables->addWidget(verification_panel(put, form, this));
    halves->addWidget(study_panel(put, form), 1);
    // The window opens tall enough to read ten rows of each table (the screen it opens on
    // may make it smaller).
    if (form.height() < readable_height()) form.set_size(form.width(), readable_height());
    binder_->bind_window(this);
    binder_->flush();
}

int ComparisonView::readable_height() const {
    // The tables share the height by their stretch: the one that needs the most room per
    // share decides the whole.
    double per_share = 0;
    int shares = 0;
    int fixed = 0;
    for (int k = 0; k < 3; ++k) {
        const QTableView* view = tables_[k];
        const int rows = grids_[k]->fixed_rows() + kReadableRows;
        const int needed = rows * view->verticalHeader()->defaultSectionSize() +
                           2 * view->frameWidth() +
                           view->horizontalScrollBar()->sizeHint().height();
        per_share = std::max(per_share, static_cast<double>(needed) / stretches_[k]);
        shares += stretches_[k];
        fixed += bars_[k]->sizeHint().height() + 2 * column_spacing_;
    }
    const QMargins margins = layout()->contentsMargins();
    return fixed + static_cast<int>(std::ceil(per_share * shares)) + margins.top() +
           margins.bottom();
}

}  // namespace rebanto::ui
