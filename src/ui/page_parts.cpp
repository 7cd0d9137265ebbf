#include "ui/page_parts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "model/form.h"
#include "ui/binder.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

QLabel* caption(Binder& binder, Label& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    binder.bind(text, label);
    return label;
}

QLabel* side_note(Binder& binder, Label& text, QWidget* parent) {
    QLabel* label = caption(binder, text, parent);
    mute(label);
    return label;
}

QLabel* joined_caption(const Control& name, const Label& after, QWidget* parent) {
    const Label* word = &after;
    return derived_caption(
        name, [word](const Control& c) { return to_q(c.caption()).append(to_q(word->caption())); },
        parent);
}

void title_box(Binder& binder, QGroupBox* box, Label& title) {
    QPointer<QGroupBox> guard(box);
    const Label* t = &title;
    binder.track(title, [guard, t] {
        if (guard != nullptr) guard->setTitle(to_q(t->caption()));
    });
}

void mute(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    widget->setPalette(palette);
}

QVBoxLayout* column_layout(QWidget* widget, const QMargins& margins, int spacing) {
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(margins);
    column->setSpacing(spacing);
    return column;
}

QGridLayout* grid_layout(QWidget* widget, const QMargins& margins, int horizontal, int vertical) {
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(margins);
    grid->setHorizontalSpacing(horizontal);
    grid->setVerticalSpacing(vertical);
    return grid;
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

QLabel* derived_caption(const Control& control, std::function<QString(const Control&)> text,
                        QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    // Named after what it is made from, as a bound widget is named after its control.
    label->setObjectName(to_q(control.name()) + QStringLiteral("_caption"));
    Form& form = control.form();
    const Control* watched = &control;
    QPointer<QLabel> guard(label);
    label->setText(text(control));
    const int id = form.add_observer(
        [guard, watched, text = std::move(text)](Control* changed, Change, int, int) {
            if (changed == watched && guard != nullptr) guard->setText(text(*watched));
        });
    QObject::connect(label, &QObject::destroyed, [&form, id] { form.remove_observer(id); });
    return label;
}

namespace {

// Shows the caption while the field and the caption's own label (if any) are visible.
void show_with(Binder& binder, QLabel* label, Control& field, Control* text) {
    QPointer<QLabel> guard(label);
    const Control* f = &field;
    const auto show = [guard, f, text] {
        // A caption not yet placed in its window would pop up on its own if shown.
        if (guard == nullptr || guard->isWindow()) return;
        const bool visible = f->visible() && (text == nullptr || text->visible());
        if (guard->isHidden() == visible) guard->setVisible(visible);
    };
    // After the caption's own binding, which knows only the caption's visibility.
    if (text != nullptr) binder.track(*text, show);
    binder.track(field, show);
}

}  // namespace

QLabel* field_caption(Binder& binder, Control& field, Label& text, QWidget* parent) {
    QLabel* label = caption(binder, text, parent);
    show_with(binder, label, field, &text);
    return label;
}

QLabel* field_caption(Binder& binder, Control& field, const QString& words, QWidget* parent) {
    auto* label = new QLabel(words, parent);
    label->setTextFormat(Qt::PlainText);
    show_with(binder, label, field, nullptr);
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
