#include "ui/shell_window_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

ShellWindowView::ShellWindowView(Form& form, QWidget* parent)
    : QWidget(parent, Qt::Window), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    auto* layout = new QVBoxLayout(this);
    Placer put(*binder_);
    int placed = 0;
    for (Control* control : form.controls()) {
        if (dynamic_cast<MenuItem*>(control) != nullptr) continue;
        put.add(layout, *control);
        ++placed;
    }
    if (placed == 0) {
        auto* note = new QLabel(to_q(form.caption()), this);
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        note->setEnabled(false);
        layout->addWidget(note);
    }
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        layout->setAlignment(child, Qt::AlignCenter);
    }
    binder_->bind_window(this);
    binder_->flush();
}

}  // namespace rebanto::ui
