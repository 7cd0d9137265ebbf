#pragma once
// Where a user's event enters the loan logic. The outermost handler of an event chain runs
// inside the form's failure report, so no exception of any handler — wired through a
// guard, a forward to another window or a plain lambda — escapes into the toolkit or the
// runner. Handlers called from inside a handler propagate as before, so an error still
// stops the operation where it stands.
#include <exception>
#include <utility>

#include "model/form.h"

namespace rebanto {

namespace detail {
// Events currently running on this thread (the toolkit and the runner are one thread).
inline thread_local int event_depth = 0;
}  // namespace detail

template <class Call>
void run_event(Form& form, Call&& call) {
    struct Depth {
        Depth() { ++detail::event_depth; }
        ~Depth() { --detail::event_depth; }
    };
    if (detail::event_depth > 0 || !form.failure_report) {
        Depth depth;
        std::forward<Call>(call)();
        return;
    }
    std::exception_ptr failure;
    {
        Depth depth;
        try {
            std::forward<Call>(call)();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    // Reported after the depth is back to zero: a message box may run events of its own.
    if (failure) form.failure_report(failure);
}

}  // namespace rebanto
