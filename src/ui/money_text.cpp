#include "ui/money_text.h"

#include <exception>

#include "base/format.h"
#include "base/numtext.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

QString shown_text(const Edit& edit, bool editing) {
    if (!edit.money_display() || editing) return to_q(edit.text());
    try {
        return to_q(format_money(to_money(edit.text())));
    } catch (const std::exception&) {
        return to_q(edit.text());  // half-typed or empty: nothing to format
    }
}

}  // namespace rebanto::ui
