#include "ui/view_registry.h"

#include "ui/shell_window_view.h"

namespace rebanto::ui {

std::unique_ptr<QWidget> ViewRegistry::make(Form& form) const {
    const auto it = factories_.find(std::type_index(typeid(form)));
    if (it == factories_.end()) return std::make_unique<ShellWindowView>(form);
    return it->second(form);
}

}  // namespace rebanto::ui
