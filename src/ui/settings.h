// The program's five settings and their file, config.ini in the program's folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cw {

struct Settings {
  std::int32_t autoUpdate = 1;              // exactly 1: check for an update at start-up
  std::int32_t minimizeToTray = 1;          // exactly 1: minimising hides in the notification area
  std::int32_t noticeSeconds = 3;           // display time of the site-list read-error notice
  std::int32_t similaritySensitivity = 4;   // kept and edited, not used by the change test
  std::int32_t differenceSensitivity = 20;  // kept and edited, not used by the change test
};

inline constexpr std::string_view kSettingsFileName = "config.ini";
inline constexpr std::string_view kSettingsSection = "配置";
inline constexpr std::string_view kAutoUpdateKey = "自动更新";
inline constexpr std::string_view kMinimizeToTrayKey = "最小化到托盘";
inline constexpr std::string_view kNoticeSecondsKey = "弹窗关闭时间";
inline constexpr std::string_view kSimilaritySensitivityKey = "相似度敏感";
inline constexpr std::string_view kDifferenceSensitivityKey = "差异度敏感";

// Written when config.ini is missing: these exact bytes, no line end after the last line.
inline constexpr std::string_view kDefaultSettingsText =
    "[配置]\r\n自动更新=1\r\n弹窗关闭时间=3\r\n最小化到托盘=1\r\n相似度敏感=4\r\n差异度敏感=20";
static_assert(kDefaultSettingsText.size() == 79);

// Reads config.ini from the folder, first writing the default text when the file is
// missing. Each key is read on its own and converted with TextToInt; a missing key or
// an unreadable file gives that field's default.
Settings LoadSettings(const std::string& programDirectory);

// Writes the five fields as decimal text into config.ini, in the order 最小化到托盘,
// 自动更新, 差异度敏感, 相似度敏感, 弹窗关闭时间; keys that exist keep their place. The
// file is replaced in one step; any failure leaves it as it was and is not reported.
void SaveSettings(const std::string& programDirectory, const Settings& settings);

}  // namespace cw
