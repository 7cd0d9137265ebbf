#include "model/form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace rebanto {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Form::set_caption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    notify(nullptr, Change::Text);
}

Control* Form::find(const std::string& name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

void Form::register_control(Control& control) {
    if (!by_name_.emplace(control.name(), &control).second) {
        throw std::logic_error("duplicate control name " + name_ + "." + control.name());
    }
    order_.push_back(&control);
}

void Form::show() {
    if (visible_) return;
    visible_ = true;
    notify(nullptr, Change::Visible);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(nullptr, Change::Visible);
}

void Form::set_bounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(nullptr, Change::Geometry);
}

namespace {

static_assert(static_cast<unsigned>(Change::MemoAppended) < 32, "one bit per kind of change");

constexpr std::uint32_t bit_of(Change change) {
    return std::uint32_t{1} << static_cast<unsigned>(change);
}

}  // namespace

int Form::add_observer(Observer observer) {
    const int id = next_observer_++;
    observers_.push_back({id, ~std::uint32_t{0}, std::move(observer), {}});
    mark_followed();
    return id;
}

int Form::add_observer(Observer observer, std::initializer_list<Change> kinds) {
    return add_observer(std::move(observer), kinds, {});
}

int Form::add_observer(Observer observer, std::initializer_list<Change> kinds,
                       const std::vector<Control*>& controls) {
    const int id = next_observer_++;
    std::uint32_t mask = 0;
    for (const Change kind : kinds)
        mask |= bit_of(kind);
    observers_.push_back({id, mask, std::move(observer),
                          std::vector<const Control*>(controls.begin(), controls.end())});
    mark_followed();
    return id;
}

void Form::remove_observer(int id) {
    std::erase_if(observers_, [id](const Observing& entry) { return entry.id == id; });
    mark_followed();
}

void Form::mark_followed() {
    heard_from_all_ = 0;
    for (Control* control : order_)
        control->followed_ = false;
    for (const Observing& entry : observers_) {
        if (entry.controls.empty()) heard_from_all_ |= entry.kinds;
        for (const Control* control : entry.controls)
            const_cast<Control*>(control)->followed_ = true;
    }
}

void Form::notify(Control* control, Change change, int row, int col) {
    ++changes_;
    const std::uint32_t kind = bit_of(change);
    if ((heard_from_all_ & kind) == 0 && (control == nullptr || !control->followed_)) return;
    // By index: an observer added while the others hear a change does not upset the walk.
    for (std::size_t i = 0; i < observers_.size(); ++i) {  // NOLINT(modernize-loop-convert)
        const Observing& entry = observers_[i];
        if ((entry.kinds & kind) == 0) continue;
        if (!entry.controls.empty() && std::find(entry.controls.begin(), entry.controls.end(),
                                                 control) == entry.controls.end())
            continue;
        entry.observer(control, change, row, col);
    }
}

void Form::uncheck_siblings(const Control& radio) {
    for (Control* c : order_) {
        if (c == &radio || c->parent() != radio.parent()) continue;
        if (auto* other = dynamic_cast<RadioButton*>(c); other != nullptr && other->checked_) {
            other->checked_ = false;
            notify(other, Change::Checked);
        }
    }
}

}  // namespace rebanto
