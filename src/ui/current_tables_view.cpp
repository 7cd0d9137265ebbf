#include "ui/current_tables_view.h"

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/binder.h"
#include "ui/grid_view.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// The band holds two rows of small controls in the model's 54 pixels.
constexpr double kBandPointSize = 8.0;
constexpr int kRowHeight = 23;
constexpr int kBandMargin = 3;
constexpr int kGroupGap = 6;

// A band button just wide enough for its caption.
QWidget* compact(QWidget* button, int min_width = 0) {
    const QString text = qobject_cast<QAbstractButton*>(button) != nullptr
                             ? static_cast<QAbstractButton*>(button)->text()
                             : QString();
    const int width = button->fontMetrics().horizontalAdvance(text) + 8;
    button->setFixedSize(std::max({width, min_width, kRowHeight}), kRowHeight);
    return button;
}

// A button whose model caption is empty shows a glyph as its icon, so that the caption
// the binder keeps writing (nothing) leaves it alone.
void glyph_icon(QAbstractButton* button, const QString& glyph, const QColor& color) {
    const QFontMetrics metrics(button->font());
    const QSize size(metrics.horizontalAdvance(glyph), metrics.height());
    const qreal ratio = button->devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(button->font());
    painter.setPen(color);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, glyph);
    painter.end();
    button->setIcon(QIcon(pixmap));
    button->setIconSize(size);
}

}  // namespace

QColor CurrentTablesView::monthly_fixed_color() {
    return {228, 207, 190};
}

QColor CurrentTablesView::bonus_fixed_color() {
    return {154, 207, 214};
}

CurrentTablesView::CurrentTablesView(TForCur& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    band_ = build_band();
    monthly_panel_ =
        build_table_panel(put, form.PanelM, form.StGr1, monthly_fixed_color(), monthly_);
    bonus_panel_ = build_table_panel(put, form.PanelB, form.StGr2, bonus_fixed_color(), bonus_);
    // The model lays the panels out on every resize and layout change and tells each
    // panel; the view follows when it is next brought up to date.
    binder_->track(form.PanelM,
                   [this] { place_panel(monthly_panel_, form_.PanelM, form_.monthly_geometry()); });
    binder_->track(form.PanelB,
                   [this] { place_panel(bonus_panel_, form_.PanelB, form_.bonus_geometry()); });
    binder_->bind_window(this);
    binder_->flush();
}

// ---- The band ----

QWidget* CurrentTablesView::build_band() {
    auto* band = new QWidget(this);
    band_ = band;  // the memories' panels are made in it
    band->setObjectName(QStringLiteral("band"));
    QFont font = band->font();
    font.setPointSizeF(kBandPointSize);
    band->setFont(font);
    band->setGeometry(0, 0, width(), TForCur::kButtonBand);
    auto* rows = new QVBoxLayout(band);
    rows->setContentsMargins(kBandMargin, kBandMargin, kBandMargin, kBandMargin);
    rows->setSpacing(TForCur::kButtonBand - 2 * kBandMargin - 2 * kRowHeight);
    // Each row sits in the band before it is filled, so that its widgets measure their
    // captions in the band's font.
    Placer put(*binder_);
    view_row_ = new QHBoxLayout;
    rows->addLayout(view_row_);
    build_view_row(put, view_row_);
    memory_row_ = new QBoxLayout(QBoxLayout::LeftToRight);
    rows->addLayout(memory_row_);
    build_memory_row(put, memory_row_);
    rows->addStretch(1);
    return band;
}

int CurrentTablesView::least_width() const {
    return 2 * kBandMargin +
           std::max({view_row_->minimumSize().width(), memories_->minimumSize().width(),
                     bulk_->minimumSize().width()});
}

void CurrentTablesView::fit_band() {
    const int side_by_side = 2 * kBandMargin + memories_->minimumSize().width() +
                             memory_row_->spacing() + bulk_->minimumSize().width();
    const bool split = width() < side_by_side;
    memory_row_->setDirection(split ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    const int extra = split ? kRowHeight + memory_row_->spacing() : 0;
    band_->setGeometry(0, 0, width(), TForCur::kButtonBand + extra);
    if (extra == band_extra_) return;
    band_extra_ = extra;
    place_panel(monthly_panel_, form_.PanelM, form_.monthly_geometry());
    place_panel(bonus_panel_, form_.PanelB, form_.bonus_geometry());
}

// How the tables are shown (layouts, font size, column zoom), the restore of the basic
// inputs, the pack files, and the window's note.
void CurrentTablesView::build_view_row(Placer& put, QHBoxLayout* row) {
    row->setSpacing(2);
    for (Button* layout : {&form_.BitBtn1, &form_.BitBtn2, &form_.Button1, &form_.Button2}) {
        compact(put.add(row, *layout));
    }
    row->addSpacing(kGroupGap);
    QWidget* size = put.add_stepper(row, form_.UpDown3);
    size->setFixedSize(size->fontMetrics().horizontalAdvance(QStringLiteral("100")) + 24,
                       kRowHeight);
    compact(put.add(row, form_.Button3));
    compact(put.add(row, form_.Button4));
    row->addSpacing(kGroupGap);
    auto* restore = static_cast<QAbstractButton*>(compact(put.add(row, form_.Button5)));
    glyph_icon(restore, QStringLiteral("■"), QColor(0x80, 0x00, 0x00));
    compact(put.add(row, form_.Button87));
    compact(put.add(row, form_.Button88));
    compact(put.add(row, form_.Bt_suuti));
    row->addSpacing(kGroupGap);
    row->addStretch(1);
    QWidget* note = put.add(row, form_.LabelNote);
    // The note takes what the buttons leave of the row: two short lines in a small font.
    QFont small = note->font();
    small.setPointSizeF(kBandPointSize - 1.5);
    note->setFont(small);
    note->setFixedHeight(kRowHeight);
    if (auto* label = qobject_cast<QLabel*>(note)) label->setWordWrap(true);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->setStretchFactor(note, 10);
}

// The five memories, left to right, then the bulk operations on them and the comparison.
void CurrentTablesView::build_memory_row(Placer& put, QBoxLayout* row) {
    row->setSpacing(3);
    memories_ = new QHBoxLayout;
    memories_->setContentsMargins(0, 0, 0, 0);
    memories_->setSpacing(3);
    row->addLayout(memories_);
    memories_->addWidget(
        build_slot(put, form_.Slot1, form_.SlotNo1, form_.Button81, form_.Button91));
    memories_->addWidget(
        build_slot(put, form_.Slot2, form_.SlotNo2, form_.Button82, form_.Button92));
    memories_->addWidget(
        build_slot(put, form_.Slot3, form_.SlotNo3, form_.Button83, form_.Button93));
    memories_->addWidget(
        build_slot(put, form_.Slot4, form_.SlotNo4, form_.Button84, form_.Button94));
    memories_->addWidget(
        build_slot(put, form_.Slot5, form_.SlotNo5, form_.Button85, form_.Button95));
    memories_->addStretch(1);
    bulk_ = new QHBoxLayout;
    bulk_->setContentsMargins(0, 0, 0, 0);
    bulk_->setSpacing(3);
    row->addLayout(bulk_);
    compact(put.add(bulk_, form_.Button7));
    compact(put.add(bulk_, form_.Button8));
    bulk_->addSpacing(kGroupGap);
    compact(put.add(bulk_, form_.Button6));
    QWidget* number = put.add(bulk_, form_.Label7);
    number->setFixedHeight(kRowHeight);
    clickable_look(number);
    bulk_->addStretch(1);
}

// One memory: its number in bold, "記憶" and "呼出" (enabled once something is stored).
QWidget* CurrentTablesView::build_slot(Placer& put, Panel& slot, Label& number_label, Button& store,
                                       Button& recall) {
    // A shade sets each memory apart; a frame would not fit around its buttons.
    auto* frame = new QFrame(band_);
    frame->setObjectName(to_q(slot.name()));
    frame->setAutoFillBackground(true);
    QPalette shade = frame->palette();
    shade.setColor(QPalette::Window, shade.color(QPalette::Window).darker(112));
    frame->setPalette(shade);
    binder_->bind(slot, frame);
    auto* line = new QHBoxLayout(frame);
    line->setContentsMargins(4, 0, 0, 0);
    line->setSpacing(1);
    QWidget* number = put.add(line, number_label);
    embolden(number);
    compact(put.add(line, store));
    compact(put.add(line, recall));
    frame->setFixedHeight(kRowHeight);
    return frame;
}

// ---- The tables ----

QWidget* CurrentTablesView::build_table_panel(Placer& put, Panel& panel, Grid& grid,
                                              const QColor& fixed, QTableView*& view) {
    auto* frame = new QFrame(this);
    frame->setObjectName(to_q(panel.name()));
    binder_->bind(panel, frame);
    auto* fill = new QVBoxLayout(frame);
    fill->setContentsMargins(0, 0, 0, 0);
    view = static_cast<QTableView*>(put.make(grid, frame));
    set_fixed_color(view, fixed);
    fill->addWidget(view);
    return frame;
}

void CurrentTablesView::place_panel(QWidget* panel, const Panel& model, const PanelGeometry& at) {
    // A panel that starts at the band starts below the band's extra line.
    const int lower = at.top == TForCur::kButtonBand ? band_extra_ : 0;
    const QRect rect(at.left, at.top + lower, at.width, at.height - lower);
    if (panel->geometry() != rect) panel->setGeometry(rect);
    // After the binder's own update of the panel, which shows it whenever the model does.
    const bool shown = model.visible() && at.width > 0 && at.height > 0;
    if (panel->isHidden() == shown) panel->setVisible(shown);
}

void CurrentTablesView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_band();
}

}  // namespace rebanto::ui
