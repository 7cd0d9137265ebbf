// The binding of each kind of control: what the widget shows of it and which of the
// widget's signals are the user's gestures.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include "ui/binder.h"
#include "ui/clickable_label.h"
#include "ui/colors.h"
#include "ui/grid_model.h"
#include "ui/grid_view.h"
#include "ui/memo_font.h"
#include "ui/memo_view.h"
#include "ui/money_text.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

void Binder::bind(Edit& edit, QLineEdit* widget) {
    Edit* e = &edit;
    QPointer<QLineEdit> guard(widget);
    connect(widget, &QLineEdit::textEdited, this, [this, e](const QString& text) {
        e->set_text(from_q(text));
        mark(*e);
    });
    // An amount field shows its figure as money until the user comes in to edit it; the
    // binder refreshes it as the focus comes and goes.
    add_common(edit, widget, [guard, e] {
        const QString text = shown_text(*e, guard->hasFocus());
        if (guard->text() != text) {
            guard->setText(text);
            // A text longer than the field shows from its start unless the user is in it.
            if (!guard->hasFocus() &&
                guard->fontMetrics().horizontalAdvance(text) > guard->contentsRect().width()) {
                guard->setCursorPosition(0);
            }
        }
        guard->setReadOnly(e->read_only());
    });
}

void Binder::bind(Label& label, ClickableLabel* widget) {
    Label* l = &label;
    connect(widget, &ClickableLabel::clicked, this, [this, l] { user_click(*l); });
    connect(widget, &ClickableLabel::double_clicked, this, [this, l] { user_double_click(*l); });
    connect(widget, &ClickableLabel::right_clicked, this, [this, l] {
        if (gesture_blocked(*l)) return;
        l->right_click();
        mark(*l);
    });
    bind(label, static_cast<QLabel*>(widget));
}

void Binder::bind(Label& label, QLabel* widget) {
    Label* l = &label;
    QPointer<QLabel> guard(widget);
    widget->setTextFormat(Qt::PlainText);
    add_common(label, widget, [guard, l] {
        const QString text = to_q(l->caption());
        if (guard->text() != text) guard->setText(text);
    });
}

void Binder::bind(Button& button, QAbstractButton* widget) {
    Button* b = &button;
    QPointer<QAbstractButton> guard(widget);
    connect(widget, &QAbstractButton::clicked, this, [this, b] { user_click(*b); });
    add_common(button, widget, [guard, b] { guard->setText(to_q(b->caption())); });
}

// The widget of a check box or radio button toggles itself when clicked; the model's
// state is what stays, so every update sets it back from the model.
void Binder::bind(CheckBox& box, QCheckBox* widget) {
    CheckBox* c = &box;
    QPointer<QCheckBox> guard(widget);
    connect(widget, &QAbstractButton::clicked, this, [this, c] { user_click(*c); });
    add_common(box, widget, [guard, c] {
        guard->setText(to_q(c->caption()));
        const QSignalBlocker block(guard.data());
        guard->setChecked(c->checked());
    });
}

void Binder::bind(RadioButton& radio, QRadioButton* widget) {
    RadioButton* r = &radio;
    QPointer<QRadioButton> guard(widget);
    // Radio buttons are exclusive within their model parent, whatever widget holds them.
    widget->setAutoExclusive(false);
    QButtonGroup*& group = radio_groups_[radio.parent()];
    if (group == nullptr) group = new QButtonGroup(this);
    group->addButton(widget);
    QPointer<QButtonGroup> group_guard(group);
    connect(widget, &QAbstractButton::clicked, this, [this, r] { user_click(*r); });
    add_common(radio, widget, [guard, group_guard, r] {
        guard->setText(to_q(r->caption()));
        const QSignalBlocker block(guard.data());
        // An exclusive group refuses to uncheck its checked button.
        if (group_guard != nullptr) group_guard->setExclusive(false);
        guard->setChecked(r->checked());
        if (group_guard != nullptr) group_guard->setExclusive(true);
    });
}

void Binder::bind(Panel& panel, QWidget* widget) {
    Panel* p = &panel;
    QPointer<QWidget> guard(widget);
    add_common(panel, widget, [guard, p] {
        if (auto* box = qobject_cast<QGroupBox*>(guard.data())) box->setTitle(to_q(p->caption()));
    });
}

void Binder::bind(MenuItem& item, QAction* action) {
    MenuItem* m = &item;
    QPointer<QAction> guard(action);
    connect(action, &QAction::triggered, this, [this, m] {
        m->click();
        mark(*m);
    });
    connect(action, &QAction::hovered, this, [this, m] {
        if (status_bar_ != nullptr) status_bar_->showMessage(to_q(m->hint()));
        m->hover();
    });
    add(item, action, [guard, m] {
        if (guard == nullptr) return;
        guard->setText(to_q(m->caption()));
        guard->setEnabled(m->enabled());
        guard->setVisible(m->visible());
        guard->setToolTip(to_q(m->hint()));
        guard->setStatusTip(to_q(m->hint()));
    });
}

void Binder::bind(TrackBar& bar, QSpinBox* widget) {
    TrackBar* t = &bar;
    QPointer<QSpinBox> guard(widget);
    connect(widget, &QSpinBox::valueChanged, this, [this, t](int value) {
        t->set_position(value);
        mark(*t);
    });
    add_common(bar, widget, [guard, t] {
        const QSignalBlocker block(guard.data());
        guard->setRange(t->min(), t->max());
        guard->setValue(t->position());
    });
}

void Binder::bind(TrackBar& bar, QSlider* widget) {
    TrackBar* t = &bar;
    QPointer<QSlider> guard(widget);
    connect(widget, &QAbstractSlider::valueChanged, this, [this, t](int value) {
        t->set_position(value);
        mark(*t);
    });
    add_common(bar, widget, [guard, t] {
        const QSignalBlocker block(guard.data());
        guard->setRange(t->min(), t->max());
        guard->setPageStep(t->page_size());
        guard->setValue(t->position());
    });
}

void Binder::bind(PageControl& pages, QTabWidget* widget) {
    PageControl* pc = &pages;
    QPointer<QTabWidget> tabs(widget);
    for (Panel* page : pages.pages()) {
        auto* sheet = new QWidget;
        widget->addTab(sheet, to_q(page->caption()));
        // A page shows as its tab: caption, enabled and visibility are the tab's.
        add(*page, sheet, [tabs, sheet, page] {
            if (tabs == nullptr) return;
            const int index = tabs->indexOf(sheet);
            tabs->setTabText(index, to_q(page->caption()));
            tabs->setTabEnabled(index, page->enabled());
            tabs->setTabVisible(index, page->visible());
            tabs->setTabToolTip(index, to_q(page->hint()));
            tabs->tabBar()->setTabTextColor(index, to_qcolor(page->font_color()));
        });
    }
    connect(widget, &QTabWidget::currentChanged, this, [this, pc](int index) {
        pc->set_active_index(index);
        mark(*pc);  // the model may have refused
    });
    add_common(pages, widget, [tabs, pc] {
        const QSignalBlocker block(tabs.data());
        if (tabs->currentIndex() != pc->active_index()) tabs->setCurrentIndex(pc->active_index());
    });
}

void Binder::bind(Grid& grid, QTableView* view) {
    Grid* g = &grid;
    QPointer<QTableView> guard(view);
    auto* model = new GridModel(grid, view);
    style_grid_view(view);
    view->setModel(model);
    track_grid_keys(view);
    add_feed([model = QPointer<GridModel>(model)] {
        if (model != nullptr) model->sync();
    });
    connect(model, &GridModel::grid_layout_changed, view,
            [guard, g] { apply_grid_layout(guard, *g); });
    connect(model, &GridModel::grid_selection_changed, view,
            [guard, g] { show_grid_selection(guard, *g); });
    connect(view, &QAbstractItemView::clicked, this, [g, model](const QModelIndex& index) {
        if (!model->is_fixed(index.row(), index.column()))
            g->click_cell(index.row(), index.column());
    });
    // Moving the current cell with the keyboard clicks it, as a mouse click would.
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [g, guard, model](const QModelIndex& current) {
                if (!current.isValid() || !grid_key_moving(guard)) return;
                if (model->is_fixed(current.row(), current.column())) return;
                if (current.row() == g->selected_row() && current.column() == g->selected_col()) {
                    return;  // the program moved it there
                }
                g->click_cell(current.row(), current.column());
            });
    add_common(grid, view, [guard, g] {
        apply_grid_layout(guard, *g);
        guard->setEditTriggers(g->editable() ? QAbstractItemView::DoubleClicked |
                                                   QAbstractItemView::EditKeyPressed |
                                                   QAbstractItemView::AnyKeyPressed
                                             : QAbstractItemView::NoEditTriggers);
        show_grid_selection(guard, *g);
    });
}

void Binder::bind(Memo& memo, QPlainTextEdit* widget) {
    Memo* m = &memo;
    QPointer<QPlainTextEdit> guard(widget);
    QPointer<MemoFeed> feed(new MemoFeed(memo, widget));
    widget->setReadOnly(true);
    // The text area takes the mouse, not the frame around it.
    QWidget* area = widget->viewport();
    by_widget_[area] = &memo;
    connect(area, &QObject::destroyed, this, [this, area] { by_widget_.erase(area); });
    area->installEventFilter(this);
    add_common(memo, widget, [guard, feed, m] {
        if (feed != nullptr) feed->sync();
        const QFont font = memo_font(*m, guard->font());
        if (font != guard->font()) guard->setFont(font);
    });
}

}  // namespace rebanto::ui
