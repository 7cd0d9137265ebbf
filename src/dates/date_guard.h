#pragma once
// The guard of the date page's handlers, for every subsystem that wires a control there.
#include "base/errors.h"
#include "forms/guard.h"
#include "forms/tform1.h"

namespace rebanto {

// A date that is not one beeps, as it does inside the calculation; a field or a table
// cell that is not a number names itself in the window's error box.
inline Handler date_guard(TForm1& form, void (TForm1::*routine)(Control&), Platform& platform) {
    return [&form, routine, &platform](Control& sender) {
        try {
            (form.*routine)(sender);
        } catch (const FieldValueError&) {
            report_failure(std::current_exception(), platform, FailureRule::Window);
        } catch (const ConversionError&) {
            platform.beep(Beep::Default);
        } catch (...) {
            report_failure(std::current_exception(), platform, FailureRule::Window);
        }
    };
}

}  // namespace rebanto
