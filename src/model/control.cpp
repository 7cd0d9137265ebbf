#include "model/control.h"

#include <algorithm>

#include "base/errors.h"
#include "base/numtext.h"
#include "model/event_boundary.h"
#include "model/form.h"

namespace rebanto {

std::string_view color_name(Color color) {
    switch (color) {
        case Color::Default:
            return "default";
        case Color::Black:
            return "black";
        case Color::White:
            return "white";
        case Color::Red:
            return "red";
        case Color::Yellow:
            return "yellow";
        case Color::Green:
            return "green";
        case Color::Teal:
            return "teal";
        case Color::Blue:
            return "blue";
        case Color::Navy:
            return "navy";
        case Color::Magenta:
            return "magenta";
        case Color::Gray:
            return "gray";
        case Color::Maroon:
            return "maroon";
    }
    return "default";
}

Control::Control(Form& owner, std::string name, std::string text)
    : form_(owner), name_(std::move(name)), text_(std::move(text)) {
    owner.register_control(*this);
}

void Control::notify(Change change, int row, int col) {
    form_.notify(this, change, row, col);
}

void Control::set_text(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    shown_form_ = NumberForm::None;
    text_set();
}

void Control::set_text(std::string&& text) {
    if (text == text_) return;
    text_ = std::move(text);
    shown_form_ = NumberForm::None;
    text_set();
}

void Control::set_text_of_number(std::string&& text, long double number, NumberForm form,
                                 std::int64_t raw) {
    // Recorded before the events: a handler that writes this field again leaves its own.
    shown_form_ = form;
    shown_raw_ = raw;
    if (text == text_) return;
    text_ = std::move(text);
    parsed_ = Parsed::Number;
    number_ = number;
    announce_text();
}

void Control::text_set() {
    parsed_ = Parsed::NotYet;
    announce_text();
}

void Control::announce_text() {
    notify(Change::Text);
    text_changed();
}

long double Control::number() const {
    if (parsed_ == Parsed::NotYet) {
        try {
            number_ = to_extended(text_);
            parsed_ = Parsed::Number;
        } catch (const ConversionError&) {
            parsed_ = Parsed::NotANumber;
        }
    }
    if (parsed_ == Parsed::NotANumber) throw ConversionError(text_);
    return number_;
}

void Control::set_tag(std::int64_t tag) {
    if (tag == tag_) return;
    tag_ = tag;
    notify(Change::Tag);
}

void Control::set_enabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    notify(Change::Enabled);
}

void Control::set_visible(bool on) {
    if (on == visible_) return;
    visible_ = on;
    notify(Change::Visible);
}

void Control::set_color(Color color) {
    if (color == color_) return;
    color_ = color;
    notify(Change::Color);
}

void Control::set_font_color(Color color) {
    if (color == font_color_) return;
    font_color_ = color;
    notify(Change::Color);
}

void Control::set_hint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    notify(Change::Hint);
}

void Control::set_font_size(int points) {
    if (points == font_size_) return;
    font_size_ = points;
    notify(Change::Font);
}

bool Control::showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void Control::click() {
    if (on_click) run_event(form_, [&] { on_click(*this); });
}

void Control::dbl_click() {
    click();
    if (on_dbl_click) run_event(form_, [&] { on_dbl_click(*this); });
}

void Control::right_click() {
    if (on_right_click) run_event(form_, [&] { on_right_click(*this); });
}

void Control::enter() {
    if (on_enter) run_event(form_, [&] { on_enter(*this); });
}

void Control::exit() {
    if (on_exit) run_event(form_, [&] { on_exit(*this); });
}

void Control::hover() {
    if (on_mouse_over) run_event(form_, [&] { on_mouse_over(*this); });
}

bool Control::key_press(char32_t key) {
    return filter_key(key);
}

bool Control::filter_key(char32_t key) {
    if (on_key) run_event(form_, [&] { on_key(*this, key); });
    return key != 0;
}

void Edit::set_read_only(bool on) {
    if (on == read_only_) return;
    read_only_ = on;
    notify(Change::Enabled);
}

void Edit::text_changed() {
    if (on_change) run_event(form(), [&] { on_change(*this); });
}

namespace {

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void drop_last_code_point(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) break;  // stop after the lead byte
    }
}

}  // namespace

// Keys reach the field's text as a user's typing would: backspace removes the last
// character, Enter adds nothing, anything else is appended.
bool Edit::key_press(char32_t key) {
    if (!Control::key_press(key)) return false;
    if (read_only_) return true;
    std::string text = this->text();
    if (key == U'\b') {
        drop_last_code_point(text);
    } else if (key == U'\r' || key == U'\n') {
        return true;
    } else {
        append_utf8(text, key);
    }
    set_text(text);
    return true;
}

void Button::click() {
    if (!enabled()) return;
    Control::click();
}

void CheckBox::set_checked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    notify(Change::Checked);
    Control::click();
}

void CheckBox::click() {
    if (!enabled()) return;
    set_checked(!checked_);
}

void RadioButton::set_checked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    notify(Change::Checked);
    if (on) {
        form().uncheck_siblings(*this);
        Control::click();
    }
}

void RadioButton::click() {
    if (!enabled()) return;
    if (checked_) {
        Control::click();  // clicking a checked radio button still runs its handler
    } else {
        set_checked(true);
    }
}

void TrackBar::set_range(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    notify(Change::Range);
    set_position(std::clamp(position_, min_, max_));
}

void TrackBar::set_position(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    notify(Change::Range);
    if (on_change) run_event(form(), [&] { on_change(*this); });
}

void TrackBar::set_selection_end(int value) {
    if (value == selection_end_) return;
    selection_end_ = value;
    notify(Change::Range);
}

void TrackBar::set_page_size(int value) {
    if (value == page_size_) return;
    page_size_ = value;
    notify(Change::Range);
}

Panel* PageControl::active_page() const {
    if (active_ < 0 || active_ >= static_cast<int>(pages_.size())) return nullptr;
    return pages_[active_];
}

std::string PageControl::value_text() const {
    const Panel* page = active_page();
    return page != nullptr ? page->caption() : std::string();
}

void PageControl::set_active_index(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size()) || index == active_) return;
    Panel* leaving = active_page();
    run_event(form(), [&] {
        if (leaving != nullptr && leaving->on_exit) leaving->on_exit(*leaving);
        active_ = index;
        notify(Change::Text);
        if (on_change) on_change(*this);
    });
}

void PageControl::set_active_page(const Panel& page) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] == &page) set_active_index(static_cast<int>(i));
    }
}

}  // namespace rebanto
