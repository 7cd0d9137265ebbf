// The page "編成一括": the loan date and the first payment dates with their day counts and
// interest by days, the regular and the corrected first instalments with the
// differences, the corrections of the current tables, the calculation type of the
// one-step schedule, and the reference calendar. Also the month calendar that a double
// click on any date field opens over the pages.
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/binder.h"
#include "ui/page_views.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr int kMoneyChars = 12;
constexpr int kDayChars = 6;

QGroupBox* group_box(Binder& binder, Label& title, QGridLayout*& grid) {
    auto* box = new QGroupBox;
    title_box(binder, box, title);
    grid = grid_layout(box, QMargins(10, 6, 10, 8), 8, 4);
    return box;
}

QLabel* column_header(QLabel* label) {
    embolden(label);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Closes the month calendar when the user presses Escape or the mouse anywhere outside
// it, as a drop-down would.
class CalendarCloser : public QObject {
public:
    CalendarCloser(QWidget* calendar, MonthCalendar& control, Binder& binder)
        : QObject(calendar), calendar_(calendar), control_(control), binder_(binder) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!calendar_->isVisible()) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool inside =
            widget != nullptr && (widget == calendar_ || calendar_->isAncestorOf(widget));
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && inside;
        const bool outside_press = event->type() == QEvent::MouseButtonPress && widget != nullptr &&
                                   !inside && widget->window() == calendar_->window();
        if (escape || outside_press) {
            control_.hide();
            binder_.flush();
        }
        return false;
    }

private:
    QWidget* calendar_;
    MonthCalendar& control_;
    Binder& binder_;
};

}  // namespace

void DatesPageView::build(QGridLayout* page) {
    page->addWidget(build_date_fields(), 0, 0, Qt::AlignTop);
    page->addWidget(build_table_corrections(), 0, 1, Qt::AlignTop);
    page->addWidget(build_first_instalments(), 1, 0, Qt::AlignTop);
    page->addWidget(build_pack_slots(), 1, 1, Qt::AlignTop);
    page->addWidget(build_batch_type(), 2, 0, 1, 2);

    build_reference_months(page->parentWidget());
    place_rest(page, 3);
    page->setRowStretch(4, 1);
    page->setColumnStretch(2, 1);
    build_month_calendar();
}

// The multi-month calendar: the reference date's month and the next, floating
// over the page below the picker while it is switched on.
void DatesPageView::build_reference_months(QWidget* sheet) {
    auto* months = new QFrame(sheet);
    months->setObjectName(QStringLiteral("MonthCalendar1Strip"));
    auto* strip = new QHBoxLayout(months);
    strip->setContentsMargins(6, 6, 6, 6);
    strip->setSpacing(6);
    for (int offset = 0; offset < 2; ++offset) {
        auto* calendar = new QCalendarWidget(months);
        calendar->setObjectName(QStringLiteral("MonthCalendar1_%1").arg(offset));
        binder_->bind(form_.MonthCalendar1, calendar, offset);
        strip->addWidget(calendar);
    }
    QWidget* picker = binder_->widget(form_.DateTimePicker1);
    float_over(months, [sheet, months, picker] {
        const int below = picker->mapTo(sheet, QPoint(0, picker->height())).y() + 4;
        return QPoint(std::max(4, sheet->width() - months->width() - 8), below);
    });
    QPointer<QFrame> guard(months);
    binder_->track(form_.MonthCalendar1, [guard, this] {
        if (guard != nullptr) guard->setVisible(form_.MonthCalendar1.visible());
    });
}

// The three dates; the days from the loan date to each first payment and their interest.
QWidget* DatesPageView::build_date_fields() {
    QGridLayout* grid = nullptr;
    QGroupBox* box = group_box(*binder_, form_.CaptionLoanDates, grid);
    const auto date = [&](int r, Label& name, Edit& field) {
        clickable_look(put_.place(grid, r, 0, name));
        put_.place_date(grid, r, 1, field);
    };
    const auto days = [&](int r, Edit& count, Label& count_name, Edit& interest,
                          Label& interest_name) {
        grid->addWidget(field_caption(*binder_, count, count_name, box), r, 2);
        figure_field(put_.place(grid, r, 3, count), kDayChars);
        grid->addWidget(field_caption(*binder_, interest, interest_name, box), r, 4);
        figure_field(put_.place(grid, r, 5, interest), kMoneyChars);
    };
    date(0, form_.Label134, form_.MsEd8_yusi);
    put_.place(grid, 0, 2, form_.CheckBox3, 1, 2);
    date(1, form_.Label139, form_.MsEd8_mon);
    days(1, form_.Edit135, form_.CaptionMonthlyDays, form_.Edit178,
         form_.CaptionMonthlyDayInterest);
    date(2, form_.Label147, form_.MsEd8_bon);
    days(2, form_.Edit177, form_.CaptionBonusDays, form_.Edit179, form_.CaptionBonusDayInterest);

    QWidget* deferral = nullptr;
    QHBoxLayout* line = row_widget(deferral, 6);
    clickable_look(put_.add(line, form_.Label195));
    line->addSpacing(8);
    line->addWidget(field_caption(*binder_, form_.Edit35, form_.CaptionFirstDeferral, box));
    figure_field(put_.add(line, form_.Edit35), 3);
    line->addStretch(1);
    build_reference_calendar(line);
    grid->addWidget(deferral, 3, 0, 1, 6);
    return box;
}

// The picker of the reference date (a right click shows the months around it), and today,
// at the end of the line below the dates they are copied into.
void DatesPageView::build_reference_calendar(QHBoxLayout* line) {
    embolden(put_.add(line, form_.Label162));
    clickable_look(binder_->widget(form_.Label162));
    auto* picker = put_.add(line, form_.DateTimePicker1);
    set_width_chars(picker, 12);
    // The settings page decides whether the picker drops its calendar down.
    binder_->track(form_.CheckBox6, [picker = QPointer<QWidget>(picker), this] {
        if (auto* edit = qobject_cast<QDateEdit*>(picker.data())) {
            edit->setCalendarPopup(form_.CheckBox6.checked());
        }
    });
    put_.add(line, form_.La8_honjitu);
}

// The regular first instalments against the corrected ones, and the differences.
QWidget* DatesPageView::build_first_instalments() {
    QGridLayout* grid = nullptr;
    QGroupBox* box = group_box(*binder_, form_.CaptionFirstInstalments, grid);
    grid->addWidget(column_header(caption(*binder_, form_.CaptionFirstMonthlyHeader, box)), 0, 1);
    grid->addWidget(
        column_header(joined_caption(form_.Button67, form_.CaptionRepaymentSuffix, box)), 0, 2);
    int row = 1;
    const auto amounts = [&](Label& name, Edit& monthly, Edit& second) {
        grid->addWidget(field_caption(*binder_, monthly, name, box), row, 0);
        figure_field(put_.place(grid, row, 1, monthly), kMoneyChars);
        figure_field(put_.place(grid, row, 2, second), kMoneyChars);
        ++row;
    };
    amounts(form_.CaptionNormalFirstInterest, form_.Edit115, form_.Edit117);
    amounts(form_.CaptionNormalFirstPrincipal, form_.Edit116, form_.Edit118);
    amounts(form_.CaptionNormalInstalment, form_.Edit104, form_.Edit109);
    amounts(form_.CaptionCorrectedFirst, form_.Edit104s, form_.Edit109s);
    amounts(form_.CaptionFirstGap, form_.Edit78, form_.Edit79);

    QWidget* actions = nullptr;
    QHBoxLayout* line = row_widget(actions, 6);
    QWidget* calculate = put_.add(line, form_.Button50);
    embolden(calculate);
    fit_button(calculate);
    fit_button(put_.add(line, form_.Button124));
    fit_button(put_.add(line, form_.Button123));
    line->addSpacing(6);
    put_.add(line, form_.CheckBox2);
    QWidget* marker = put_.add(line, form_.Label146);
    embolden(marker);
    clickable_look(marker);
    line->addStretch(1);
    grid->addWidget(actions, row, 0, 1, 3);
    return box;
}

// What is done to the current tables with the differences and the dates.
QWidget* DatesPageView::build_table_corrections() {
    QGridLayout* grid = nullptr;
    QGroupBox* box = group_box(*binder_, form_.CaptionTableCorrections, grid);
    int row = 0;
    for (Button* button : {&form_.Button51, &form_.Button52, &form_.Button125}) {
        put_.place(grid, row++, 0, *button, 1, 2);
    }
    grid->addWidget(side_note(*binder_, form_.CaptionCorrectionMonthly, box), row, 0);
    put_.place(grid, row++, 1, form_.Button24);
    QLabel* bonus = derived_caption(
        form_.Button67, [](const Control& name) { return to_q(name.caption()); }, box);
    mute(bonus);
    grid->addWidget(bonus, row, 0);
    put_.place(grid, row++, 1, form_.Button25);
    put_.place(grid, row++, 0, form_.Button26, 1, 2);
    return box;
}

// The one-step schedule: what it builds, and the title of the work.
QWidget* DatesPageView::build_batch_type() {
    QWidget* widget = nullptr;
    QHBoxLayout* line = row_widget(widget, 6);
    line->addWidget(field_caption(*binder_, form_.ComboBox2, form_.CaptionBatchKind, widget));
    put_.add(line, form_.ComboBox2);
    fit_button(put_.add(line, form_.Button53));
    line->addSpacing(12);
    line->addWidget(field_caption(*binder_, form_.Edit67, form_.CaptionBatchTitle, widget));
    set_width_chars(put_.add(line, form_.Edit67), 28);
    line->addStretch(1);
    return widget;
}

// The month calendar of the date fields floats over the pages below the field that
// opened it.
void DatesPageView::build_month_calendar() {
    QWidget* calendar = put_.make(form_.MonthCalendar2, pages_);
    float_over(calendar, [this, calendar] {
        const Edit* target = form_.CalendarTarget;
        QWidget* field = target != nullptr ? binder_->widget(*target) : nullptr;
        if (field == nullptr || !field->isVisible()) return QPoint(8, 8);
        QPoint at = field->mapTo(pages_, QPoint(0, field->height() + 2));
        at.setX(std::min(at.x(), std::max(0, pages_->width() - calendar->width())));
        at.setY(std::min(at.y(), std::max(0, pages_->height() - calendar->height())));
        return at;
    });
    new CalendarCloser(calendar, form_.MonthCalendar2, *binder_);
}

}  // namespace rebanto::ui
