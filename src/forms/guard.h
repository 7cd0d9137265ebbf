#pragma once
// Event handlers of the windows: a routine wrapped so that a text that is not a number
// stops it — with a beep inside the one-period calculation, with an error box naming the
// field everywhere else — and any other failure with a message; nothing escapes into the
// toolkit or the runner.
#include <exception>
#include <string>

#include "base/errors.h"
#include "model/control.h"
#include "model/platform.h"

namespace rebanto {

enum class OnBadNumber { Beep, Message };

// The fixed message of any unexpected failure.
inline constexpr const char* kUnexpectedFailure = "予期しないエラーが生じました";

// What the handler boundary does with a failure.
inline void report_failure(std::exception_ptr failure, Platform& platform, OnBadNumber bad) {
    try {
        std::rethrow_exception(failure);
    } catch (const ConversionError& e) {
        if (bad == OnBadNumber::Beep) {
            platform.beep(Beep::Default);
        } else {
            platform.error(e.what());
        }
    } catch (const std::exception& e) {
        platform.error(e.what());
    } catch (...) {
        platform.error(kUnexpectedFailure);
    }
}

template <class Window>
Handler guarded(Window& window, void (Window::*routine)(Control&), Platform& platform,
                OnBadNumber bad = OnBadNumber::Message) {
    return [&window, routine, &platform, bad](Control& sender) {
        try {
            (window.*routine)(sender);
        } catch (...) {
            report_failure(std::current_exception(), platform, bad);
        }
    };
}

}  // namespace rebanto
