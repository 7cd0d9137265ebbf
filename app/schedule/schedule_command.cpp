#include "schedule/schedule_command.h"

#include "schedule/schedule_options.h"
#include "schedule/schedule_output.h"
#include "schedule/schedule_run.h"

namespace rebanto::schedule {

int run_command(const std::vector<std::string>& args, Language language, const std::string& version,
                std::ostream& out, std::ostream& err) {
    try {
        const Request request = parse(args);
        if (request.version) {
            out << "rebanto-schedule " << version << "\n";
            return kPrinted;
        }
        if (request.help) {
            out << usage(language);
            return kPrinted;
        }
        // Worked out whole before anything is written: a failure prints nothing.
        const std::string text = render(compute(request), request);
        out << text;
        out.flush();
        return out ? kPrinted : kCalculationFailed;
    } catch (const OptionError& e) {
        err << "rebanto-schedule: " << e.in(language) << "\n";
        return kBadOption;
    } catch (const CalculationError& e) {
        err << "rebanto-schedule: " << e.in(language) << "\n";
        return kCalculationFailed;
    }
}

}  // namespace rebanto::schedule
