#pragma once
// Lays out the controls of a container (a page, a group box, a window) from the model
// alone, so that controls the model gains later show without a change to the view.
//
// The controls come in the model's order, each once: those the view has already placed
// by hand are left out. Group boxes become QGroupBoxes filled the same way, side by side
// while they fit; a label before a field is its caption and a short label after it its
// unit; buttons, check boxes and radio buttons stand in rows; grids and memos take the
// full width. What the model leaves bare (a field without a label) the view can name with
// FlowHints.
#include <QString>
#include <map>
#include <utility>
#include <vector>

#include "model/control.h"

class QVBoxLayout;

namespace rebanto::ui {

class Placer;

class FlowHints {
public:
    // A caption before a field and a unit after it, for fields the model gives no label:
    // labels the model holds for the view.
    FlowHints& caption(const Control& field, Label& before, Label* after = nullptr);
    // The same in words of the view alone, for a window whose model does not name them.
    FlowHints& caption(const Control& field, const QString& before, const QString& after = {});
    // The field's width in characters; otherwise it fits its text.
    FlowHints& width(const Control& field, int chars);
    // A control the model has not put in any container yet is shown in `container`,
    // right after `after` (last when null).
    FlowHints& adopt(const Control& container, Control& control, const Control* after = nullptr);
    // The control comes right after `anchor` when both sit in the same container (the
    // model declares them in another order).
    FlowHints& follow(const Control& control, const Control& anchor);
    // The controls from `first` to `last` (in the model's order, siblings) go into a box
    // of the view titled `title`, which stands beside the group boxes.
    FlowHints& group(const Control& first, const Control& last, Label& title);
    FlowHints& group(const Control& first, const Control& last, const QString& title);

    // A caption of the view: a label of the model, or words of the view alone.
    struct Text {
        Label* label = nullptr;
        QString words;
        bool empty() const { return label == nullptr && words.isEmpty(); }
    };

    struct Caption {
        Text before;
        Text after;
    };
    struct Adoption {
        const Control* container;
        Control* control;
        const Control* after;
    };
    struct Group {
        const Control* first;
        const Control* last;
        Text title;
    };
    const Caption* caption_of(const Control& field) const;
    int width_of(const Control& field) const;  // 0 when not given
    const std::vector<Adoption>& adoptions() const { return adoptions_; }
    const std::vector<std::pair<const Control*, const Control*>>& follows() const {
        return follows_;
    }
    const Group* group_starting(const Control& control) const;

private:
    std::map<const Control*, Caption> captions_;
    std::map<const Control*, int> widths_;
    std::vector<Adoption> adoptions_;
    std::vector<std::pair<const Control*, const Control*>> follows_;  // control, anchor
    std::vector<Group> groups_;
};

// The controls shown in `container`: its children in the model's order with the adopted
// ones, leaving out menu items (they are the container's popup menu).
std::vector<Control*> flow_children(const Form& form, const Control* container,
                                    const FlowHints& hints);

// Places every control under `container` that has no widget yet into `layout`, creating
// and binding the widgets. Boxes stand side by side up to `width` pixels. Returns the
// number of controls placed.
int place_flow(Placer& put, QVBoxLayout* layout, const Form& form, const Control* container,
               const FlowHints& hints = {}, int width = 860);

}  // namespace rebanto::ui
