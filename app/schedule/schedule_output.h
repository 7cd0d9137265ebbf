#pragma once
// The schedule printed: clean CSV or tab-separated rows with one header line, JSON with the
// inputs and a summary, or the lender-style table as the runner's "dump" prints a grid; in
// UTF-8 or code page 932.
#include <string>

#include "schedule/schedule_options.h"
#include "schedule/schedule_run.h"

namespace rebanto::schedule {

std::string render(const Tables& tables, const Request& request);

}  // namespace rebanto::schedule
