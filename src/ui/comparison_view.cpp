#include "ui/comparison_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/control_flow.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

ComparisonView::ComparisonView(TFormHi& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(10);
    auto* tables = new QVBoxLayout;
    tables->setSpacing(3);
    columns->addLayout(tables, 1);
    Placer put(*binder_);
    const struct {
        Grid& grid;
        const char* title;
    } parts[] = {{form.StringGrid1, "Ａ表"},
                 {form.StringGrid2, "Ｂ表"},
                 {form.StringGrid3, "Ａ－Ｂ＝差引比較表"}};
    for (int k = 0; k < 3; ++k) {
        QLabel* title = caption(QString::fromUtf8(parts[k].title), this);
        embolden(title);
        tables->addWidget(title);
        tables_[k] = static_cast<QTableView*>(put.add(tables, parts[k].grid, 1));
    }
    // The rest of the window as the model grows it.
    auto* rest = new QVBoxLayout;
    columns->addLayout(rest);
    if (place_flow(put, rest, form, nullptr, {}, form.width() / 2) > 0) {
        rest->addStretch(1);
    } else {
        columns->removeItem(rest);
        delete rest;
    }
    binder_->bind_window(this);
    binder_->flush();
}

}  // namespace rebanto::ui
