// Quick-entry gestures on the labels and fields of the page, and the key filter of the
// numeric fields.
#include "forms/tform1.h"

namespace rebanto {

void TForm1::wire_gestures() {}

// Numeric fields take digits, ".", "-", "%", "'", backspace and Enter; anything else is
// dropped with a warning beep.
void TForm1::numeric_key_filter(Control&, char32_t& key) {
    const bool allowed = (key >= U'0' && key <= U'9') || key == U'.' || key == U'-' ||
                         key == U'%' || key == U'\'' || key == U'\b' || key == U'\r' ||
                         key == U'\n';
    if (!allowed) {
        key = 0;
        beep(Beep::Warning);
    }
}

}  // namespace rebanto
