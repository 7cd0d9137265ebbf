#pragma once
// A drop-down list of fixed items. Its text is the chosen item's; choosing another item
// fires on_change.
#include <algorithm>
#include <string>
#include <vector>

#include "model/control.h"
#include "model/event_boundary.h"

namespace rebanto {

class ComboBox : public Control {
public:
    ComboBox(Form& owner, std::string name, std::vector<std::string> items, int index = 0)
        : Control(owner, std::move(name), items.empty() ? std::string() : items[index]),
          items_(std::move(items)) {}
    std::string_view kind() const override { return "ComboBox"; }

    const std::vector<std::string>& items() const { return items_; }
    // The item whose text is shown; -1 when the text is none of them.
    int item_index() const {
        const auto it = std::find(items_.begin(), items_.end(), text());
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    // An index outside the items leaves the choice as it is.
    void set_item_index(int index) {
        if (index >= 0 && index < static_cast<int>(items_.size())) set_text(items_[index]);
    }

protected:
    void text_changed() override {
        if (on_change) run_event(form(), [&] { on_change(*this); });
    }

private:
    std::vector<std::string> items_;
};

}  // namespace rebanto
