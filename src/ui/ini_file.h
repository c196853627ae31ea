// Reading and writing one key of an INI file on disk (see ini_text.h for the rules).
#pragma once

#include <string>
#include <string_view>

namespace cw {

// The key's value; `defaultValue` also when the file is missing or cannot be read.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue);

// Sets the key, creating the file when it is missing. The file is replaced in one
// step, so a failed write leaves it as it was; a file that exists but cannot be read
// is left alone too (writing would lose its other lines). False on failure.
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);

}  // namespace cw
