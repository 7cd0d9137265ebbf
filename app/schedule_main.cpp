// rebanto-schedule: the schedule of a loan on standard output, for advisers who prepare
// schedules for many clients without clicking, and for programs that read it.
#include <iostream>
#include <string>
#include <vector>

#include "schedule/schedule_language.h"
#include "schedule/schedule_options.h"
#include "schedule/schedule_output.h"
#include "schedule/schedule_run.h"

#ifndef REBANTO_VERSION
#define REBANTO_VERSION "unknown"
#endif

int main(int argc, char** argv) {
    using namespace rebanto::schedule;
    const Language language = language_from_environment();
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const Request request = parse(args);
        if (request.version) {
            std::cout << "rebanto-schedule " REBANTO_VERSION "\n";
            return 0;
        }
        if (request.help) {
            std::cout << usage(language);
            return 0;
        }
        // Worked out whole before anything is written: a failure prints nothing.
        const std::string text = render(compute(request), request);
        std::cout << text;
        std::cout.flush();
        return std::cout ? 0 : 2;
    } catch (const OptionError& e) {
        std::cerr << "rebanto-schedule: " << e.in(language) << "\n";
        return 1;
    } catch (const CalculationError& e) {
        std::cerr << "rebanto-schedule: " << e.in(language) << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "rebanto-schedule: " << e.what() << "\n";
        return 2;
    }
}
