#include "ui/rate_list_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// Editors of the table's cells: each typed key passes the list's key filter first.
class RateCellDelegate : public QStyledItemDelegate {
public:
    RateCellDelegate(TForm7& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) {
            editor->setProperty("rebanto_column", index.column());
            editor->installEventFilter(const_cast<RateCellDelegate*>(this));
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int col = watched->property("rebanto_column").toInt();
            if (!rate_list_key_passes(form_, col, static_cast<QKeyEvent*>(event))) return true;
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    TForm7& form_;
};

}  // namespace

bool rate_list_key_passes(TForm7& form, int col, const QKeyEvent* event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & chords) return true;
    const QString text = event->text();
    if (text.isEmpty()) return true;
    for (const char32_t c : text.toUcs4()) {
        // Backspace and Enter are the filter's to judge; other control keys type nothing.
        if ((c < 0x20 && c != U'\b' && c != U'\r' && c != U'\n') || c == 0x7F) return true;
    }
    for (const char32_t c : text.toUcs4()) {
        if (!form.cell_key_allowed(col, c)) return false;
    }
    return true;
}

RateListView::RateListView(TForm7& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    Placer put(*binder_);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(6);
    put.add(tools, form.CheckBox5);
    tools->addSpacing(8);
    for (Button* button : {&form.Button141, &form.Button140, &form.Load, &form.Save}) {
        put.add(tools, *button);
    }
    tools->addSpacing(8);
    font_size_ = new QSpinBox(this);
    font_size_->setObjectName(to_q(form.UpDown1.name()));
    set_width_chars(font_size_, 5);
    tools->addWidget(font_size_);
    tools->addStretch(1);
    QWidget* name = put.add(tools, form.Edit1);
    set_width_chars(name, 16);
    layout->addLayout(tools);

    table_ = static_cast<QTableView*>(put.make(form.StringGrid7, this));
    table_->setItemDelegate(new RateCellDelegate(form, table_));
    // The blank separator column is narrower than a header would allow.
    table_->horizontalHeader()->setMinimumSectionSize(8);
    table_->installEventFilter(this);
    layout->addWidget(table_, 1);

    // The cancel bar: a panel whose whole face is the place to click.
    cancel_bar_ = new QLabel(this);
    cancel_bar_->setObjectName(to_q(form.Panel6.name()));
    cancel_bar_->setText(to_q(form.Panel6.caption()));
    cancel_bar_->setAlignment(Qt::AlignCenter);
    cancel_bar_->setFrameShape(QFrame::StyledPanel);
    cancel_bar_->setFrameShadow(QFrame::Raised);
    cancel_bar_->setMinimumHeight(cancel_bar_->sizeHint().height() + 12);
    cancel_bar_->setCursor(Qt::PointingHandCursor);
    binder_->bind(form.Panel6, cancel_bar_);
    layout->addWidget(cancel_bar_);

    // The stepper: the spin box follows the model's position and range, and the user's
    // change goes to the model, which sets the table's font.
    connect(font_size_, &QSpinBox::valueChanged, this,
            [this](int value) { form_.UpDown1.set_position(value); });
    observer_ = form.add_observer([this](Control* control, Change, int, int) {
        if (control == &form_.UpDown1) show_font_size();
    });
    show_font_size();

    binder_->bind_window(this);
    binder_->flush();
}

RateListView::~RateListView() {
    form_.remove_observer(observer_);
}

void RateListView::show_font_size() {
    const TrackBar& bar = form_.UpDown1;
    const QSignalBlocker block(font_size_);
    font_size_->setRange(bar.min(), bar.max());
    font_size_->setValue(bar.position());
    font_size_->setEnabled(bar.enabled());
    font_size_->setToolTip(to_q(bar.hint()));
}

void RateListView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    table_->scrollToTop();
}

bool RateListView::eventFilter(QObject* watched, QEvent* event) {
    // While a cell is being edited its keys go to the editor, not to the table.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const QModelIndex current = table_->currentIndex();
        if (current.isValid() &&
            !rate_list_key_passes(form_, current.column(), static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rebanto::ui
