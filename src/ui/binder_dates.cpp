// The bindings of the date controls and the drop-down list: what the widget shows of the
// control and which of its signals are the user's gestures.
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

#include "base/errors.h"
#include "ui/binder.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// Digits only; the first two places of the year may stay blank (a year "  01" is 2001).
// A blank place reads as a space, so the field's text keeps its ten characters.
const QString kDateMask = QStringLiteral("0099/99/99; ");

std::optional<QDate> date_of(const DateControl& control) {
    try {
        const Date d = control.date();
        return QDate(d.year, d.month, d.day);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

Date from_qdate(const QDate& date) {
    return Date{date.year(), date.month(), date.day()};
}

}  // namespace

void Binder::bind_masked_date(Edit& edit, QLineEdit* widget) {
    Edit* e = &edit;
    QPointer<QLineEdit> guard(widget);
    widget->setInputMask(kDateMask);
    // A right click belongs to the field's own gesture, not to an edit menu.
    if (edit.on_right_click) widget->setContextMenuPolicy(Qt::NoContextMenu);
    connect(widget, &QLineEdit::textEdited, this, [this, e, guard] {
        if (guard == nullptr) return;
        e->set_text(from_q(guard->displayText()));
        mark(*e);
    });
    add_common(edit, widget, [guard, e] {
        guard->setReadOnly(e->read_only());
        const QString text = to_q(e->text());
        if (guard->displayText() == text) return;
        // The normalised date comes back while the user types: the caret stays put.
        const int caret = guard->cursorPosition();
        guard->setText(text);
        guard->setCursorPosition(caret);
    });
}

void Binder::bind(DateTimePicker& picker, QDateEdit* widget) {
    DateTimePicker* p = &picker;
    QPointer<QDateEdit> guard(widget);
    widget->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    widget->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    connect(widget, &QDateEdit::dateChanged, this, [this, p](const QDate& date) {
        if (!date.isValid()) return;
        p->set_date(from_qdate(date));
        mark(*p);
    });
    // The typing happens in the picker's own line; its mouse gestures are the picker's.
    if (auto* line = widget->findChild<QLineEdit*>()) {
        line->setContextMenuPolicy(Qt::NoContextMenu);
        by_widget_[line] = &picker;
        connect(line, &QObject::destroyed, this, [this, line] { by_widget_.erase(line); });
        line->installEventFilter(this);
    }
    add_common(picker, widget, [guard, p] {
        const auto date = date_of(*p);
        if (!date || guard->date() == *date) return;
        const QSignalBlocker block(guard.data());
        guard->setDate(*date);
    });
}

void Binder::bind(MonthCalendar& calendar, QCalendarWidget* widget, int month_offset) {
    MonthCalendar* c = &calendar;
    QPointer<QCalendarWidget> guard(widget);
    widget->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    widget->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    widget->setGridVisible(true);
    connect(widget, &QCalendarWidget::clicked, this, [this, c](const QDate& day) {
        c->set_date(from_qdate(day));
        mark(*c);
    });
    // A double click (or Enter) on a day.
    connect(widget, &QCalendarWidget::activated, this, [this, c](const QDate& day) {
        c->dbl_click_day(from_qdate(day));
        mark(*c);
    });
    add_common(calendar, widget, [guard, c, month_offset] {
        const auto date = date_of(*c);
        if (!date) return;
        const QSignalBlocker block(guard.data());
        if (guard->selectedDate() != *date) guard->setSelectedDate(*date);
        const QDate page = date->addMonths(month_offset);
        guard->setCurrentPage(page.year(), page.month());
    });
}

void Binder::bind(ComboBox& box, QComboBox* widget) {
    ComboBox* b = &box;
    QPointer<QComboBox> guard(widget);
    for (const std::string& item : box.items())
        widget->addItem(to_q(item));
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(widget, &QComboBox::activated, this, [this, b](int index) {
        b->set_item_index(index);
        mark(*b);
    });
    add_common(box, widget, [guard, b] {
        const QSignalBlocker block(guard.data());
        if (guard->currentIndex() != b->item_index()) guard->setCurrentIndex(b->item_index());
    });
}

}  // namespace rebanto::ui
