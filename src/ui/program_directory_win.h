#pragma once

#include <string>

namespace cw {

// The folder of the program's executable as GBK text, without a trailing backslash.
std::string ProgramDirectory();

}  // namespace cw
