#include "ui/site_list.h"

#include <optional>
#include <unordered_map>

#include "ui/file_access.h"
#include "ui/gbk_text.h"
#include "ui/ini_text.h"

namespace cw {
namespace {

std::string SiteListPath(const std::string& programDirectory) {
  return FilePathIn(programDirectory, kSiteListFileName);
}

// The section's values by key, the first line of a key winning as in IniReadValue;
// built in one pass so that a long list is not rescanned for every entry.
std::unordered_map<std::string, std::string> EntriesByKey(std::string_view fileBytes) {
  std::unordered_map<std::string, std::string> byKey;
  for (IniEntry& entry : IniReadSection(fileBytes, kSiteListSection)) {
    byKey.emplace(AsciiLower(entry.key), std::move(entry.value));
  }
  return byKey;
}

}  // namespace

SiteListLoad LoadSiteList(const std::string& programDirectory, SiteRows& rows) {
  std::string path = SiteListPath(programDirectory);
  if (!FileExists(path)) {
    WriteFileBytes(path, kDefaultSiteListText);
    return SiteListLoad::ok;
  }
  std::optional<std::string> bytes = ReadFileBytes(path);
  rows.DeleteAllRows();
  if (!bytes) return SiteListLoad::readError;

  std::unordered_map<std::string, std::string> byKey = EntriesByKey(*bytes);
  for (int n = 1;; ++n) {
    auto found = byKey.find(std::to_string(n));
    if (found == byKey.end()) return SiteListLoad::ok;
    const std::string& value = found->second;
    if (FindText(value, "|") == std::string_view::npos) return SiteListLoad::ok;
    std::vector<std::string> pieces = SplitAtBars(value);
    if (pieces.size() != 2) return SiteListLoad::readError;
    rows.AppendRow({pieces[0], pieces[1], std::string(kNotStartedText), std::string(kNotStartedText)});
  }
}

void SaveSiteList(const std::string& programDirectory, const SiteRows& rows) {
  std::string path = SiteListPath(programDirectory);
  std::vector<IniEntry> entries;
  int count = rows.RowCount();
  entries.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  for (int row = 0; row < count; ++row) {
    entries.push_back({std::to_string(row + 1),
                       rows.CellText(row, kAddressColumn) + "|" + rows.CellText(row, kIntervalColumn)});
  }
  if (entries.empty()) {
    DeleteFileAt(path);
    return;
  }
  WriteFileBytes(path, IniComposeSection(kSiteListSection, entries));
}

std::vector<std::string> SplitAtBars(std::string_view text) {
  std::vector<std::string> pieces;
  std::size_t pieceStart = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
    if (text[pos] != '|') continue;
    pieces.emplace_back(text.substr(pieceStart, pos - pieceStart));
    pieceStart = pos + 1;
  }
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace cw
