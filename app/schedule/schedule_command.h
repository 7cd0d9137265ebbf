#pragma once
// The whole of rebanto-schedule short of the process: the arguments read, the schedule
// worked out and printed, a bad option or a failed calculation reported with its exit code.
#include <ostream>
#include <string>
#include <vector>

#include "schedule/schedule_language.h"

namespace rebanto::schedule {

enum ExitCode { kPrinted = 0, kBadOption = 1, kCalculationFailed = 2 };

// Runs the command with the arguments after the program name. The schedule goes to `out`
// only when it was worked out whole; a message goes to `err`. Exceptions other than a bad
// option or a failed calculation are left to the caller.
int run_command(const std::vector<std::string>& args, Language language, const std::string& version,
                std::ostream& out, std::ostream& err);

}  // namespace rebanto::schedule
