#pragma once
// Which view shows which window: a factory per window class, looked up by the form's own
// class. A window whose class has no view of its own gets the plain view that lays its
// controls out one under the other.
#include <QWidget>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "model/form.h"

namespace rebanto::ui {

class ViewRegistry {
public:
    using Factory = std::function<std::unique_ptr<QWidget>(Form&)>;

    // The view of every window of class `Window` (the form's most derived class).
    template <class Window>
    void add(std::function<std::unique_ptr<QWidget>(Window&)> make) {
        factories_[std::type_index(typeid(Window))] = [make = std::move(make)](Form& form) {
            return make(static_cast<Window&>(form));
        };
    }

    // A new view of the form.
    std::unique_ptr<QWidget> make(Form& form) const;

private:
    std::unordered_map<std::type_index, Factory> factories_;
};

}  // namespace rebanto::ui
