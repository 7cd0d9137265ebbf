#include "ui/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVariant>
#include <QWidget>

#include "ui/clickable_label.h"
#include "ui/colors.h"
#include "ui/qt_text.h"
#include "ui/screen_place.h"
#include "ui/view_refresh.h"

namespace rebanto::ui {

namespace {

// The status bar shows the hint of the control under the mouse or, when it has none, of
// the nearest container that has one.
std::string status_hint(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->parent()) {
        if (!c->hint().empty()) return c->hint();
    }
    return {};
}

}  // namespace

Binder::Binder(Form& form, QObject* parent) : QObject(parent), form_(form) {
    observer_ = form_.add_observer(
        [this](Control* control, Change change, int, int) { on_change(control, change); });
    click_timer_.setSingleShot(true);
    connect(&click_timer_, &QTimer::timeout, this, [this] {
        // A long run letting Qt paint must not take a click in the middle of itself.
        if (ViewRefresh::repainting()) {
            click_timer_.start(10);
            return;
        }
        deliver_pending_click();
    });
    ViewRefresh::add(this);
}

Binder::~Binder() {
    ViewRefresh::remove(this);
    form_.remove_observer(observer_);
}

QWidget* Binder::widget(const Control& control) const {
    const auto it = bindings_.find(&control);
    if (it == bindings_.end()) return nullptr;
    return qobject_cast<QWidget*>(it->second.target.data());
}

QAction* Binder::action(const Control& control) const {
    const auto it = bindings_.find(&control);
    if (it == bindings_.end()) return nullptr;
    return qobject_cast<QAction*>(it->second.target.data());
}

void Binder::add(Control& control, QObject* target, std::function<void()> update) {
    Binding& binding = bindings_[&control];
    if (binding.target == nullptr) binding.target = target;
    binding.updates.push_back(std::move(update));
    // The widget shows the control at once (a view sizing it reads its caption); the
    // mark brings it up to date again once it sits in its window.
    binding.updates.back()();
    by_widget_[target] = &control;
    connect(target, &QObject::destroyed, this, [this, target] { by_widget_.erase(target); });
    target->installEventFilter(this);
    if (target->objectName().isEmpty()) target->setObjectName(to_q(control.name()));
    mark(control);
}

void Binder::add_common(Control& control, QWidget* widget, std::function<void()> update) {
    QPointer<QWidget> guard(widget);
    Control* c = &control;
    add(control, widget, [this, guard, c, update = std::move(update)] {
        if (guard == nullptr) return;
        QWidget* w = guard.data();
        w->setEnabled(c->enabled());
        // A widget not yet placed in its window would pop up on its own if shown.
        if (!w->isWindow() && w->isHidden() == c->visible()) w->setVisible(c->visible());
        QString hint = to_q(c->hint());
        // A hint of its own already tells the gesture; the others get the description.
        if (const auto tip = gesture_tips_.find(c); tip != gesture_tips_.end() && hint.isEmpty()) {
            hint = tip->second;
        }
        if (w->toolTip() != hint) w->setToolTip(hint);
        apply_colors(w, c->color(), c->font_color());
        const char* const kDesignSize = "rebanto_design_point_size";
        if (c->font_size() > 0 || w->property(kDesignSize).isValid()) {
            if (!w->property(kDesignSize).isValid()) {
                w->setProperty(kDesignSize, w->font().pointSizeF());
            }
            QFont font = w->font();
            font.setPointSizeF(c->font_size() > 0 ? c->font_size()
                                                  : w->property(kDesignSize).toDouble());
            w->setFont(font);
        }
        if (update) update();
    });
}

void Binder::track(Control& control, std::function<void()> update) {
    Binding& binding = bindings_[&control];
    binding.updates.push_back(std::move(update));
    binding.updates.back()();
    mark(control);
}

void Binder::add_feed(std::function<void()> sync) {
    feeds_.push_back(std::move(sync));
}

void Binder::refresh(const Control& control) {
    const auto it = bindings_.find(&control);
    if (it == bindings_.end()) return;
    for (const auto& update : it->second.updates)
        update();
}

void Binder::mark(const Control& control) {
    const auto it = bindings_.find(&control);
    if (it == bindings_.end() || it->second.dirty) return;
    it->second.dirty = true;
    dirty_.push_back(&control);
    schedule();
}

void Binder::on_change(Control* control, Change change) {
    if (control == nullptr) {
        form_dirty_ = true;
        schedule();
        return;
    }
    // Grid contents reach the views through their adapters.
    if (change == Change::GridCell || change == Change::GridRowsAppended ||
        change == Change::GridReset || change == Change::GridSelection) {
        schedule();
        return;
    }
    mark(*control);
}

void Binder::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (scheduled_) flush();
    });
}

void Binder::flush() {
    scheduled_ = false;
    for (const auto& sync : feeds_)
        sync();
    // Updates only write to widgets, but a widget may still report back synchronously;
    // anything that comes back is collected for the next round.
    std::vector<const Control*> dirty;
    dirty.swap(dirty_);
    for (const Control* control : dirty) {
        Binding& binding = bindings_[control];
        binding.dirty = false;
        for (const auto& update : binding.updates)
            update();
    }
    if (form_dirty_) {
        form_dirty_ = false;
        update_window();
    }
}

// ---- The window ----

void Binder::bind_window(QWidget* window) {
    window_ = window;
    window->installEventFilter(this);
    form_dirty_ = true;
    schedule();
}

void Binder::update_window() {
    if (window_ == nullptr) return;
    window_->setWindowTitle(to_q(form_.caption()));
    // The window cannot be smaller than its minimum; the form learns the size it got.
    const QSize wanted(form_.width(), form_.height());
    QSize size = wanted.expandedTo(window_->minimumSize());
    QPoint position(form_.left(), form_.top());
    // A place the program gives (restored from another screen, or designed for a larger
    // one) is pulled onto the screen the window opens on, its title bar within reach; a
    // place the user dragged the window to is the window's own and stays.
    if (size != window_->size() || position != window_->pos()) {
        const ScreenPlace place = fitted_place(window_, position, size);
        size = place.size;
        position = place.position;
    }
    if (size != wanted || position != QPoint(form_.left(), form_.top())) {
        form_.set_bounds(position.x(), position.y(), size.width(), size.height());
    }
    if (window_->size() != size) window_->resize(size);
    if (window_->pos() != position) window_->move(position);
    if (window_->isVisible() != form_.visible()) window_->setVisible(form_.visible());
}

bool Binder::filter_window(QEvent* event) {
    switch (event->type()) {
        case QEvent::Close: {
            // The form decides what closing means; the window follows its visibility.
            form_.close();
            const bool closed = !form_.visible();
            event->setAccepted(closed);
            if (closed) {
                flush();
                Q_EMIT window_closed();
            }
            return true;
        }
        case QEvent::Resize:
            if (event->spontaneous() && window_->isVisible()) {
                form_.set_size(window_->width(), window_->height());
            }
            return false;
        case QEvent::Move:
            if (event->spontaneous() && window_->isVisible()) {
                form_.set_position(window_->x(), window_->y());
            }
            return false;
        default:
            return false;
    }
}

// ---- Hints ----

void Binder::bind_status_bar(Label& status, QStatusBar* bar) {
    status_bar_ = bar;
    QPointer<QStatusBar> guard(bar);
    Label* label = &status;
    add(status, bar, [guard, label] {
        if (guard == nullptr) return;
        if (label->text().empty()) {
            guard->clearMessage();
        } else {
            guard->showMessage(to_q(label->text()));
        }
        guard->setVisible(label->visible());
    });
}

// ---- Gestures ----

namespace {
bool gestures_on = true;
}  // namespace

bool gestures_enabled() {
    return gestures_on;
}
void set_gestures_enabled(bool on) {
    gestures_on = on;
}

void Binder::set_gesture_tip(const Control& control, const QString& tip) {
    gesture_tips_[&control] = tip;
    if (QWidget* w = widget(control)) w->setCursor(Qt::PointingHandCursor);
    refresh(control);
}

bool Binder::gesture_blocked(const Control& control) const {
    return !gestures_on && gesture_tips_.count(&control) != 0;
}

void Binder::user_click(Control& control) {
    if (gesture_blocked(control)) return;
    if (pending_click_ != nullptr && pending_click_ != &control) deliver_pending_click();
    if (!control.on_dbl_click) {
        control.click();
        mark(control);
        return;
    }
    pending_click_ = &control;
    click_timer_.start(QApplication::doubleClickInterval());
}

void Binder::user_double_click(Control& control) {
    if (gesture_blocked(control)) return;
    if (pending_click_ != nullptr && pending_click_ != &control) deliver_pending_click();
    click_timer_.stop();
    pending_click_ = nullptr;
    // Without a double-click handler the first click already did everything; with one,
    // the first click is still waiting and dbl_click() delivers it.
    if (!control.on_dbl_click) return;
    control.dbl_click();
    mark(control);
}

void Binder::deliver_pending_click() {
    click_timer_.stop();
    Control* control = pending_click_;
    pending_click_ = nullptr;
    if (control == nullptr) return;
    control->click();
    mark(*control);
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) return filter_window(event);
    const auto it = by_widget_.find(watched);
    if (it == by_widget_.end()) return false;
    Control& control = *it->second;
    switch (event->type()) {
        case QEvent::Enter:
            if (status_bar_ != nullptr) status_bar_->showMessage(to_q(status_hint(control)));
            control.hover();
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // An amount field switches between its money look and its plain text.
            if (const auto* edit = dynamic_cast<const Edit*>(&control);
                edit != nullptr && edit->money_display()) {
                refresh(control);
            }
            // Focus that leaves with the window or for a popup menu stays in the control.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
                return false;
            }
            if (event->type() == QEvent::FocusIn) {
                control.enter();
            } else {
                control.exit();
            }
            return false;
        }
        case QEvent::KeyPress:
            if (auto* edit = dynamic_cast<Edit*>(&control)) {
                return filter_key(*edit, static_cast<QKeyEvent*>(event));
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return filter_mouse(control, watched, event);
        default:
            return false;
    }
}

// The model applies a typed key to the text itself (after its key filter), so the
// widget does not insert it; the new text comes back through the binding.
bool Binder::filter_key(Edit& edit, QKeyEvent* event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & chords) return false;
    switch (event->key()) {
        case Qt::Key_Backspace:
            // The field's own editing removes the character at the caret.
            return !edit.filter_key(U'\b');
        case Qt::Key_Return:
        case Qt::Key_Enter:
            edit.key_press(U'\r');
            mark(edit);
            return true;
        default:
            break;
    }
    const QString text = event->text();
    if (text.isEmpty()) return false;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x7F) return false;  // a control key, not typing
    }
    // The filter decides; a key it lets through is inserted at the caret by the field,
    // whose edit then reaches the model as the user's text.
    for (const char32_t c : text.toUcs4()) {
        if (!edit.filter_key(c)) {
            mark(edit);
            return true;
        }
    }
    return false;
}

// Labels and buttons report their gestures through signals; this covers the rest (edits,
// panels), and the double clicks of buttons.
bool Binder::filter_mouse(Control& control, QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool button = qobject_cast<QAbstractButton*>(watched) != nullptr;
    if (button) {
        if (event->type() != QEvent::MouseButtonDblClick || mouse->button() != Qt::LeftButton) {
            return false;
        }
        // Taken from the button, so it does not also press and click a second time.
        user_double_click(control);
        return true;
    }
    if (qobject_cast<ClickableLabel*>(watched) != nullptr) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::RightButton && !gesture_blocked(control)) {
                control.right_click();
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (mouse->button() != Qt::LeftButton) return false;
            if (swallow_release_) {
                swallow_release_ = false;
            } else if (auto* w = qobject_cast<QWidget*>(watched);
                       w != nullptr && w->rect().contains(mouse->position().toPoint())) {
                user_click(control);
            }
            return false;
        case QEvent::MouseButtonDblClick:
            if (mouse->button() != Qt::LeftButton) return false;
            swallow_release_ = true;
            user_double_click(control);
            return false;
        default:
            return false;
    }
}

}  // namespace rebanto::ui
