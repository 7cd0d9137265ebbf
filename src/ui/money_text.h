#pragma once
// What an amount field shows: "\24,000,000" while the user is not editing it, the plain
// number while they are, so the figure reads like a ledger and types like a number.
// The model's text stays the plain number either way.
#include <QString>

#include "model/control.h"

namespace rebanto::ui {

// The field's text as it should show; a text that is not a number shows as it is.
QString shown_text(const Edit& edit, bool editing);

}  // namespace rebanto::ui
