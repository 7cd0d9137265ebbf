#pragma once
// A script line the runner cannot carry out: an unknown command, form, control or
// property, a missing or malformed argument. The run stops with exit code 2.
#include <stdexcept>
#include <string>

namespace rebanto {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace rebanto
