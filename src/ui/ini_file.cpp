#include "ui/ini_file.h"

#include <optional>

#include "ui/file_access.h"
#include "ui/ini_text.h"

namespace cw {

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  return IniReadValue(bytes ? *bytes : std::string_view(), section, key, defaultValue);
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
  std::string current;
  if (FileExists(path)) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return false;
    current = std::move(*bytes);
  }
  return WriteFileBytes(path, IniWriteValue(current, section, key, value));
}

}  // namespace cw
