#pragma once
// The digit-by-digit descent of the reverse search. From the top of its range an input is
// lowered one step at a time until its output crosses the target, then raised back by that
// step, and the next digit starts with a step ten times finer. The descent itself computes
// nothing: it writes the input (and the loan recalculates) and asks whether the output has
// crossed. When the output moves one way with the input it ends on the smallest value, to
// the finest step, whose output has not crossed.
#include <functional>

namespace rebanto {

template <class Value>
struct DescentHooks {
    // The input takes the value; the loan is recalculated from it.
    std::function<void(Value)> write;
    // Whether the output, as it stands now, has passed the target.
    std::function<bool()> crossed;
    // The step of the next digit (the previous one divided by ten).
    std::function<Value()> finer_step;
    // After each trial and after each digit: where the window repaints.
    std::function<void()> after_trial;
    std::function<void()> after_digit;
};

template <class Value>
struct DescentResult {
    Value value{};
    // Some trial passed the target, so the low end of the answer lies inside the range.
    bool ever_crossed = false;
};

// `digits` passes of at most ten steps each. A value that reached zero is not lowered
// further (its output is read again), so the input never goes below zero on its way down.
template <class Value>
DescentResult<Value> descend(Value top, int digits, const DescentHooks<Value>& hooks) {
    DescentResult<Value> result;
    Value v = top;
    hooks.write(v);
    for (int digit = 0; digit < digits; ++digit) {
        const Value step = hooks.finer_step();
        for (int trial = 0; trial < 10; ++trial) {
            if (v > Value{}) {
                v = v - step;
                hooks.write(v);
            }
            if (hooks.after_trial) hooks.after_trial();
            if (hooks.crossed()) {
                result.ever_crossed = true;
                break;
            }
        }
        v = v + step;
        hooks.write(v);
        if (hooks.after_digit) hooks.after_digit();
    }
    result.value = v;
    return result;
}

}  // namespace rebanto
