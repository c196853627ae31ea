#include "ui/settings.h"

#include <optional>

#include "ui/file_access.h"
#include "ui/ini_text.h"
#include "ui/text_to_int.h"

namespace cw {
namespace {

std::string SettingsPath(const std::string& programDirectory) {
  return FilePathIn(programDirectory, kSettingsFileName);
}

}  // namespace

Settings LoadSettings(const std::string& programDirectory) {
  std::string path = SettingsPath(programDirectory);
  if (!FileExists(path)) WriteFileBytes(path, kDefaultSettingsText);

  std::string bytes = ReadFileBytes(path).value_or(std::string());
  auto read = [&](std::string_view key, std::string_view defaultText) {
    return TextToInt(IniReadValue(bytes, kSettingsSection, key, defaultText));
  };
  Settings settings;
  settings.autoUpdate = read(kAutoUpdateKey, "1");
  settings.minimizeToTray = read(kMinimizeToTrayKey, "1");
  settings.noticeSeconds = read(kNoticeSecondsKey, "3");
  settings.similaritySensitivity = read(kSimilaritySensitivityKey, "4");
  settings.differenceSensitivity = read(kDifferenceSensitivityKey, "20");
  return settings;
}

void SaveSettings(const std::string& programDirectory, const Settings& settings) {
  std::string path = SettingsPath(programDirectory);
  std::string bytes;
  if (FileExists(path)) {
    std::optional<std::string> current = ReadFileBytes(path);
    if (!current) return;  // rewriting it would lose its other lines
    bytes = std::move(*current);
  }
  // The order decides where missing keys are added.
  auto write = [&](std::string_view key, std::int32_t value) {
    bytes = IniWriteValue(bytes, kSettingsSection, key, std::to_string(value));
  };
  write(kMinimizeToTrayKey, settings.minimizeToTray);
  write(kAutoUpdateKey, settings.autoUpdate);
  write(kDifferenceSensitivityKey, settings.differenceSensitivity);
  write(kSimilaritySensitivityKey, settings.similaritySensitivity);
  write(kNoticeSecondsKey, settings.noticeSeconds);
  WriteFileBytes(path, bytes);
}

}  // namespace cw
