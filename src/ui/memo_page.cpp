#include "ui/memo_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "ui/binder.h"
#include "ui/page_parts.h"
#include "ui/placer.h"

namespace rebanto::ui {

void build_memo_page(Placer& put, QGridLayout* page, const MemoPageParts& parts) {
    QWidget* tools = nullptr;
    QHBoxLayout* row = row_widget(tools, 6);
    row->addWidget(side_note(put.binder(), parts.clear_caption, tools));
    fit_button(put.add(row, parts.clear), 34);
    row->addSpacing(12);
    fit_button(put.add(row, parts.font));
    fit_button(put.add(row, parts.initial_font));
    row->addWidget(caption(put.binder(), parts.size_caption, tools));
    put.add_stepper(row, parts.size);
    row->addSpacing(12);
    fit_button(put.add(row, parts.print));
    fit_button(put.add(row, parts.save));
    if (parts.chart != nullptr) fit_button(put.add(row, *parts.chart));
    row->addStretch(1);
    clickable_look(put.add(row, parts.table_link));
    page->addWidget(tools, 0, 0);

    // Memo lines are columns of half-width spaces: wrapping would break them.
    auto* memo = static_cast<QPlainTextEdit*>(put.place(page, 1, 0, parts.memo));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    page->setRowStretch(1, 1);
}

}  // namespace rebanto::ui
