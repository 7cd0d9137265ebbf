#pragma once
// Event handlers of the windows: a routine wrapped so that a text that is not a number
// stops it with a beep and any other failure with a message; nothing escapes into the
// toolkit or the runner.
#include <exception>

#include "base/errors.h"
#include "model/control.h"
#include "model/platform.h"

namespace rebanto {

template <class Window>
Handler guarded(Window& window, void (Window::*routine)(Control&), Platform& platform) {
    return [&window, routine, &platform](Control& sender) {
        try {
            (window.*routine)(sender);
        } catch (const ConversionError&) {
            platform.beep(Beep::Default);
        } catch (const std::exception& e) {
            platform.error(e.what());
        }
    };
}

}  // namespace rebanto
