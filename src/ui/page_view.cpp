#include "ui/page_view.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace rebanto::ui {

PageView::PageView(const PageViewContext& window, Panel& sheet)
    : form_(window.form),
      binder_(&window.binder),
      put_(window.put),
      pages_(window.pages),
      width_(window.width),
      sheet_(sheet) {}

void PageView::place_rest(QGridLayout* page, int row, const FlowHints& hints) {
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    page->addLayout(column, row, 0, 1, std::max(1, page->columnCount()));
    place_flow(put_, column, form_, &sheet_, hints, width_);
}

void PageView::fill_rest(QGridLayout* page, int rows, int cols) {
    page->setRowStretch(rows, 1);
    page->setColumnStretch(cols, 1);
}

}  // namespace rebanto::ui
