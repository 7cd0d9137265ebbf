#include "ui/page_parts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <algorithm>

#include "model/form.h"
#include "ui/binder.h"
#include "ui/placer.h"

namespace rebanto::ui {

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* side_note(const QString& text, QWidget* parent) {
    QLabel* label = caption(text, parent);
    mute(label);
    return label;
}

void mute(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    widget->setPalette(palette);
}

QHBoxLayout* row_widget(QWidget*& widget, int spacing) {
    widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);
    return row;
}

void fit_button(QWidget* button, int min_width) {
    auto* b = qobject_cast<QAbstractButton*>(button);
    const QString text = b != nullptr ? b->text() : QString();
    const QFontMetrics metrics(button->font());
    const int width =
        metrics.horizontalAdvance(text) + 2 * metrics.horizontalAdvance(QLatin1Char('0')) + 8;
    button->setFixedWidth(std::max({width, min_width, button->sizeHint().height()}));
}

void figure_field(QWidget* field, int chars) {
    set_width_chars(field, chars);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setAlignment(Qt::AlignRight);
}

void embolden(QWidget* widget, double scale) {
    QFont font = widget->font();
    font.setBold(true);
    if (scale != 1.0) font.setPointSizeF(font.pointSizeF() * scale);
    widget->setFont(font);
}

void clickable_look(QWidget* label) {
    label->setCursor(Qt::PointingHandCursor);
}

void follow(QLabel* label, const Control& control, std::function<QString(const Control&)> text) {
    Form& form = control.form();
    const Control* watched = &control;
    QPointer<QLabel> guard(label);
    label->setText(text(control));
    const int id = form.add_observer([guard, watched, text](Control* changed, Change, int, int) {
        if (changed == watched && guard != nullptr) guard->setText(text(*watched));
    });
    QObject::connect(label, &QObject::destroyed, [&form, id] { form.remove_observer(id); });
}

QLabel* field_caption(Binder& binder, Control& field, const QString& text, QWidget* parent) {
    QLabel* label = caption(text, parent);
    QPointer<QLabel> guard(label);
    const Control* f = &field;
    binder.track(field, [guard, f] {
        // A caption not yet placed in its window would pop up on its own if shown.
        if (guard == nullptr || guard->isWindow()) return;
        if (guard->isHidden() == f->visible()) guard->setVisible(f->visible());
    });
    return label;
}

namespace {

class FloatingPanel : public QObject {
public:
    FloatingPanel(QWidget* panel, std::function<QPoint()> place)
        : QObject(panel), panel_(panel), place_(std::move(place)) {
        panel->installEventFilter(this);
    }

    void settle() {
        panel_->adjustSize();
        panel_->move(place_());
        panel_->raise();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel_ && event->type() == QEvent::Show) settle();
        return false;
    }

private:
    QWidget* panel_;
    std::function<QPoint()> place_;
};

}  // namespace

void float_over(QWidget* panel, std::function<QPoint()> place) {
    panel->setAutoFillBackground(true);
    if (auto* frame = qobject_cast<QFrame*>(panel)) {
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Raised);
        frame->setLineWidth(2);
    }
    auto* shadow = new QGraphicsDropShadowEffect(panel);
    shadow->setBlurRadius(14);
    shadow->setOffset(2, 3);
    shadow->setColor(QColor(0, 0, 0, 90));
    panel->setGraphicsEffect(shadow);
    (new FloatingPanel(panel, std::move(place)))->settle();
}

}  // namespace rebanto::ui
