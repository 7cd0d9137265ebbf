#pragma once
// Event handlers of the windows: a routine wrapped so that nothing it throws escapes into
// the toolkit or the runner. What a failure means depends on where it happened.
#include <exception>
#include <string>
#include <utility>

#include "base/errors.h"
#include "model/control.h"
#include "model/platform.h"

namespace rebanto {

enum class FailureRule {
    // Inside the one-period calculation: a text that is not a number beeps, anything else
    // shows the calculation's fixed message.
    Calculation,
    // Everywhere else: an error box saying what failed (a bad number names its field).
    Window,
};

// The calculation's message for a failure it did not expect.
inline constexpr const char* kCalculationFailure =
    "エラーが生じたため、iniファイルをsaveせずに一旦終了し、再立ち上げしてください";
// The message of a failure that carries no text of its own.
inline constexpr const char* kUnexpectedFailure = "予期しないエラーが生じました";

// A run of commits that stopped at a failure already reported: it unwinds the operation
// that started the run and says nothing more.
struct RunStopped {};

inline void report_failure(std::exception_ptr failure, Platform& platform, FailureRule rule) {
    const bool calculation = rule == FailureRule::Calculation;
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const RunStopped&) {
    } catch (const ConversionError& e) {
        if (calculation) {
            platform.beep(Beep::Default);
        } else {
            platform.error(e.what());
        }
    } catch (const std::exception& e) {
        if (calculation) {
            platform.message(kCalculationFailure);
        } else {
            platform.error(e.what());
        }
    } catch (...) {
        if (calculation) {
            platform.message(kCalculationFailure);
        } else {
            platform.error(kUnexpectedFailure);
        }
    }
}

template <class Window>
Handler guarded(Window& window, void (Window::*routine)(Control&), Platform& platform,
                FailureRule rule = FailureRule::Window) {
    return [&window, routine, &platform, rule](Control& sender) {
        try {
            (window.*routine)(sender);
        } catch (...) {
            report_failure(std::current_exception(), platform, rule);
        }
    };
}

}  // namespace rebanto
