// Starting another program the way the program opens pages and help.
#pragma once

#include <string>

namespace cw {

// Starts `gbkCommandLine` shown normally, waits at most a second for it to become
// idle and lets it go. A start that fails is ignored.
void StartCommandLine(const std::string& gbkCommandLine);

}  // namespace cw
