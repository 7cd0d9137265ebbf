#pragma once
// The schedule printed: CSV, tab-separated (as the runner's "dump" prints a grid) or JSON,
// in UTF-8 or code page 932.
#include <string>

#include "schedule/schedule_options.h"
#include "schedule/schedule_run.h"

namespace rebanto::schedule {

std::string render(const Tables& tables, Format format, Part part, Encoding encoding);

}  // namespace rebanto::schedule
