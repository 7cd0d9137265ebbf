#include "ui/input_marks.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "model/form.h"
#include "ui/binder.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

const char* const kBadFrame =
    "QLineEdit { border: 2px solid #d00000; background: #ffe6e6; color: #000000; }";

bool listed(const std::vector<BadInput>& bad, const Edit* field) {
    return std::any_of(bad.begin(), bad.end(),
                       [field](const BadInput& b) { return b.field == field; });
}

}  // namespace

InputMarks::InputMarks(Form& form, Binder& binder, QStatusBar* status,
                       std::vector<CheckedField> inputs, std::vector<const Edit*> results,
                       std::string consequence, QObject* parent)
    : QObject(parent),
      form_(form),
      binder_(binder),
      inputs_(std::move(inputs)),
      results_(std::move(results)),
      consequence_(std::move(consequence)) {
    status_ = new QLabel(status);
    status_->setObjectName(QStringLiteral("input_error"));
    status_->setStyleSheet(QStringLiteral("color: #c00000;"));
    status_->hide();
    status->addPermanentWidget(status_, 1);
    observer_ = form.add_observer([this](Control* control, Change change, int, int) {
        if (change != Change::Text || control == nullptr || scheduled_) return;
        scheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            if (scheduled_) refresh();
        });
    });
}

InputMarks::~InputMarks() {
    form_.remove_observer(observer_);
}

void InputMarks::refresh() {
    scheduled_ = false;
    const std::vector<BadInput> bad = bad_inputs(inputs_);
    for (const CheckedField& input : inputs_) {
        QWidget* widget = binder_.widget(*input.field);
        if (widget == nullptr) continue;
        const QString sheet = listed(bad, input.field) ? QString::fromLatin1(kBadFrame) : QString();
        if (widget->styleSheet() != sheet) widget->setStyleSheet(sheet);
    }
    for (const Edit* result : results_) {
        QWidget* widget = binder_.widget(*result);
        if (widget == nullptr) continue;
        const bool stale = !bad.empty() && !listed(bad, result);
        auto* faded = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
        if (stale && faded == nullptr) {
            faded = new QGraphicsOpacityEffect(widget);
            faded->setOpacity(0.35);
            widget->setGraphicsEffect(faded);
        } else if (!stale && faded != nullptr) {
            widget->setGraphicsEffect(nullptr);
        }
    }
    const QString text = to_q(bad_input_status(bad, consequence_));
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

QString InputMarks::status_text() const {
    return status_->text();
}

}  // namespace rebanto::ui
