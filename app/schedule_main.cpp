// rebanto-schedule: the schedule of a loan on standard output, for advisers who prepare
// schedules for many clients without clicking.
#include <iostream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "schedule/schedule_options.h"
#include "schedule/schedule_output.h"
#include "schedule/schedule_run.h"

int main(int argc, char** argv) {
    using namespace rebanto::schedule;
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const Request request = parse(args);
        if (request.help) {
            std::cout << usage();
            return 0;
        }
        // Worked out whole before anything is written: a failure prints nothing.
        const std::string text =
            render(compute(request), request.format, request.part, request.encoding);
        std::cout << text;
        std::cout.flush();
        return std::cout ? 0 : 2;
    } catch (const OptionError& e) {
        std::cerr << "rebanto-schedule: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "rebanto-schedule: " << e.what() << "\n";
        return 2;
    }
}
