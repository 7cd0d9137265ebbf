// What a view tells the flow about a container's controls, and the controls the flow
// places in it.
#include <algorithm>

#include "model/form.h"
#include "ui/control_flow.h"

namespace rebanto::ui {

FlowHints& FlowHints::caption(const Control& field, Label& before, Label* after) {
    captions_[&field] = {Text{&before, {}}, Text{after, {}}};
    return *this;
}

FlowHints& FlowHints::caption(const Control& field, const QString& before, const QString& after) {
    captions_[&field] = {Text{nullptr, before}, Text{nullptr, after}};
    return *this;
}

FlowHints& FlowHints::width(const Control& field, int chars) {
    widths_[&field] = chars;
    return *this;
}

FlowHints& FlowHints::adopt(const Control& container, Control& control, const Control* after) {
    adoptions_.push_back({&container, &control, after});
    return *this;
}

FlowHints& FlowHints::follow(const Control& control, const Control& anchor) {
    follows_.emplace_back(&control, &anchor);
    return *this;
}

FlowHints& FlowHints::group(const Control& first, const Control& last, Label& title) {
    groups_.push_back({&first, &last, Text{&title, {}}});
    return *this;
}

FlowHints& FlowHints::group(const Control& first, const Control& last, const QString& title) {
    groups_.push_back({&first, &last, Text{nullptr, title}});
    return *this;
}

const FlowHints::Caption* FlowHints::caption_of(const Control& field) const {
    const auto it = captions_.find(&field);
    return it == captions_.end() ? nullptr : &it->second;
}

int FlowHints::width_of(const Control& field) const {
    const auto it = widths_.find(&field);
    return it == widths_.end() ? 0 : it->second;
}

const FlowHints::Group* FlowHints::group_starting(const Control& control) const {
    for (const Group& group : groups_) {
        if (group.first == &control) return &group;
    }
    return nullptr;
}

std::vector<Control*> flow_children(const Form& form, const Control* container,
                                    const FlowHints& hints) {
    std::vector<Control*> children;
    for (Control* control : form.controls()) {
        if (control->parent() == container && dynamic_cast<MenuItem*>(control) == nullptr) {
            children.push_back(control);
        }
    }
    for (const FlowHints::Adoption& adoption : hints.adoptions()) {
        // Once the model puts the control somewhere, the model is right.
        if (container == nullptr) break;
        if (adoption.container != container || adoption.control->parent() != nullptr) continue;
        if (std::find(children.begin(), children.end(), adoption.control) != children.end()) {
            continue;
        }
        auto at = std::find(children.begin(), children.end(), adoption.after);
        children.insert(at == children.end() ? at : at + 1, adoption.control);
    }
    for (const auto& [control, anchor] : hints.follows()) {
        auto it = std::find(children.begin(), children.end(), control);
        if (it == children.end()) continue;
        if (std::find(children.begin(), children.end(), anchor) == children.end()) continue;
        Control* moved = *it;
        children.erase(it);
        children.insert(std::find(children.begin(), children.end(), anchor) + 1, moved);
    }
    return children;
}

}  // namespace rebanto::ui
