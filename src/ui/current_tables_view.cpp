#include "ui/current_tables_view.h"

#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/placer.h"

namespace rebanto::ui {

CurrentTablesView::CurrentTablesView(TForCur& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(QString::fromStdString(form.name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    Placer put(*binder_);
    monthly_ = static_cast<QTableView*>(put.make(form.StGr1, splitter));
    bonus_ = static_cast<QTableView*>(put.make(form.StGr2, splitter));
    splitter->addWidget(monthly_);
    splitter->addWidget(bonus_);
    layout->addWidget(splitter);
    binder_->bind_window(this);
    binder_->flush();
}

}  // namespace rebanto::ui
