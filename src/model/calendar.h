#pragma once
// Calendar controls: a date picker and a month calendar. Both hold one date as their text
// in the short date format, so the runner and the tests set and read them like fields;
// setting the date fires on_change.
#include <string>

#include "base/date.h"
#include "model/control.h"
#include "model/event_boundary.h"

namespace rebanto {

class DateControl : public Control {
public:
    DateControl(Form& owner, std::string name, const Date& date = Date{2001, 1, 1})
        : Control(owner, std::move(name), short_date(date)) {}
    // The date shown; throws ConversionError when the text was set to something else.
    Date date() const { return parse_short_date(text()); }
    void set_date(const Date& date) { set_text(short_date(date)); }

protected:
    void text_changed() override {
        if (on_change) run_event(form(), [&] { on_change(*this); });
    }
};

// A date field with a drop-down calendar.
class DateTimePicker : public DateControl {
public:
    using DateControl::DateControl;
    std::string_view kind() const override { return "DateTimePicker"; }
};

// A calendar of one or several months around its date. A double click on a day moves the
// calendar to that day first, then delivers the double click.
class MonthCalendar : public DateControl {
public:
    using DateControl::DateControl;
    std::string_view kind() const override { return "MonthCalendar"; }
    void dbl_click_day(const Date& day) {
        set_date(day);
        dbl_click();
    }
};

}  // namespace rebanto
