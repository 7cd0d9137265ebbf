// rebanto-schedule: the schedule of a loan on standard output, for advisers who prepare
// schedules for many clients without clicking, and for programs that read it.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "schedule/schedule_command.h"

#ifndef REBANTO_VERSION
#define REBANTO_VERSION "unknown"
#endif

int main(int argc, char** argv) {
    using namespace rebanto::schedule;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return run_command(args, language_from_environment(), REBANTO_VERSION, std::cout,
                           std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "rebanto-schedule: " << e.what() << "\n";
        return kCalculationFailed;
    }
}
