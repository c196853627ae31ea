#include "ui/ini_text.h"

#include <optional>

#include "ui/gbk_text.h"

namespace cw {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Byte offsets of one line: [begin, contentEnd) is its text, [contentEnd, end) its
// line end (empty for a last line without one).
struct Line {
  std::size_t begin;
  std::size_t contentEnd;
  std::size_t end;
  bool HasLineEnd() const { return end != contentEnd; }
};

// Line ends are plain bytes: CR and LF are never part of a GBK double-byte character.
class LineScanner {
 public:
  explicit LineScanner(std::string_view bytes) : bytes_(bytes) {}

  std::optional<Line> Next() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    Line line{pos_, bytes_.find_first_of("\r\n", pos_), 0};
    if (line.contentEnd == std::string_view::npos) {
      line.contentEnd = line.end = bytes_.size();
    } else {
      bool crLf = bytes_[line.contentEnd] == '\r' && line.contentEnd + 1 < bytes_.size() &&
                  bytes_[line.contentEnd + 1] == '\n';
      line.end = line.contentEnd + (crLf ? 2 : 1);
    }
    pos_ = line.end;
    return line;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The bytes [begin, end) of a text.
struct Range {
  std::size_t begin;
  std::size_t end;
};

// [begin, end) without blanks at either end. Blanks are never the second byte of a
// double-byte character, so trimming from the end is safe.
Range Trim(std::string_view text, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return {begin, end};
}

std::string_view Slice(std::string_view text, Range range) {
  return text.substr(range.begin, range.end - range.begin);
}

bool IsBlankLine(std::string_view text) {
  for (char c : text) {
    if (!IsBlank(c)) return false;
  }
  return true;
}

enum class LineKind { header, key, other };

// What one line's text is; offsets are relative to that text.
struct ParsedLine {
  LineKind kind = LineKind::other;
  Range name{0, 0};             // section name or key name
  std::size_t afterEquals = 0;  // key lines: where the value part starts
  Range value{0, 0};            // key lines: the value without its blanks
};

ParsedLine ParseLine(std::string_view text) {
  ParsedLine parsed;
  Range whole = Trim(text, 0, text.size());
  if (whole.begin < whole.end && text[whole.begin] == '[') {
    // A "]" that is the second byte of a double-byte character does not close it.
    std::size_t close = FindText(text, "]", whole.begin + 1);
    if (close != std::string_view::npos) {
      parsed.kind = LineKind::header;
      parsed.name = Trim(text, whole.begin + 1, close);
    }
    return parsed;
  }
  // "=" is never the second byte of a double-byte character.
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.kind = LineKind::key;
  parsed.name = Trim(text, 0, equals);
  parsed.afterEquals = equals + 1;
  parsed.value = Trim(text, equals + 1, text.size());
  return parsed;
}

std::string LimitedValue(std::string_view value) {
  if (value.size() <= kIniValueLimit) return std::string(value);
  std::size_t cut = 0;
  for (std::size_t length = CharLengthAt(value, cut); cut + length <= kIniValueLimit;
       length = CharLengthAt(value, cut)) {
    cut += length;
  }
  return std::string(value.substr(0, cut));
}

// Names and values as written: line breaks become blanks, so they stay on one line.
std::string OnOneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line = OnOneLine(key);
  line += '=';
  line += OnOneLine(value);
  line += kLineBreak;
  return line;
}

std::string HeaderLine(std::string_view section) {
  std::string line = "[";
  line += OnOneLine(section);
  line += ']';
  line += kLineBreak;
  return line;
}

// What a scan learnt about the first section of a name.
struct SectionScan {
  bool found = false;
  // Just after the section's last non-blank line, where a new key line belongs.
  std::size_t insertAt = 0;
  // That line has no line end (it is the file's last line).
  bool insertNeedsBreak = false;
};

// Calls onKeyLine(line, parsed, text) for every key line of the first section named
// `section`, in file order, until it returns false.
template <typename OnKeyLine>
SectionScan ScanSection(std::string_view bytes, std::string_view section, OnKeyLine onKeyLine) {
  SectionScan scan;
  LineScanner lines(bytes);
  for (std::optional<Line> line = lines.Next(); line; line = lines.Next()) {
    std::string_view text = bytes.substr(line->begin, line->contentEnd - line->begin);
    ParsedLine parsed = ParseLine(text);
    if (parsed.kind == LineKind::header) {
      if (scan.found) break;  // the section has ended
      scan.found = EqualsIgnoreAsciiCase(Slice(text, parsed.name), section);
      if (!scan.found) continue;
    } else if (!scan.found) {
      continue;
    } else if (parsed.kind == LineKind::key && !onKeyLine(*line, parsed, text)) {
      break;
    }
    if (!IsBlankLine(text)) {
      scan.insertAt = line->end;
      scan.insertNeedsBreak = !line->HasLineEnd();
    }
  }
  return scan;
}

struct KeyMatch {
  Line line{};
  ParsedLine parsed;
};

std::optional<KeyMatch> FindKey(std::string_view bytes, std::string_view section, std::string_view key,
                                SectionScan* scanOut) {
  std::optional<KeyMatch> match;
  SectionScan scan =
      ScanSection(bytes, section, [&](const Line& line, const ParsedLine& parsed, std::string_view text) {
        if (!EqualsIgnoreAsciiCase(Slice(text, parsed.name), key)) return true;
        match = KeyMatch{line, parsed};
        return false;
      });
  if (scanOut) *scanOut = scan;
  return match;
}

}  // namespace

std::string IniReadValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
  std::optional<KeyMatch> match = FindKey(fileBytes, section, key, nullptr);
  if (!match) return LimitedValue(defaultValue);
  std::string_view text = fileBytes.substr(match->line.begin, match->line.contentEnd - match->line.begin);
  return LimitedValue(Slice(text, match->parsed.value));
}

std::string IniWriteValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                          std::string_view value) {
  SectionScan scan;
  std::optional<KeyMatch> match = FindKey(fileBytes, section, key, &scan);
  std::string out;
  out.reserve(fileBytes.size() + section.size() + key.size() + value.size() + 8);
  if (match) {
    std::size_t valueStart = match->line.begin + match->parsed.afterEquals;
    out.append(fileBytes.substr(0, valueStart));
    out += OnOneLine(value);
    out.append(fileBytes.substr(match->line.contentEnd));
  } else if (scan.found) {
    out.append(fileBytes.substr(0, scan.insertAt));
    if (scan.insertNeedsBreak) out += kLineBreak;
    out += KeyLine(key, value);
    out.append(fileBytes.substr(scan.insertAt));
  } else {
    out.append(fileBytes);
    if (!fileBytes.empty() && fileBytes.back() != '\n' && fileBytes.back() != '\r') out += kLineBreak;
    out += HeaderLine(section);
    out += KeyLine(key, value);
  }
  return out;
}

std::vector<IniEntry> IniReadSection(std::string_view fileBytes, std::string_view section) {
  std::vector<IniEntry> entries;
  ScanSection(fileBytes, section, [&](const Line&, const ParsedLine& parsed, std::string_view text) {
    entries.push_back({std::string(Slice(text, parsed.name)), LimitedValue(Slice(text, parsed.value))});
    return true;
  });
  return entries;
}

std::string IniComposeSection(std::string_view section, const std::vector<IniEntry>& entries) {
  if (entries.empty()) return {};
  std::string out = HeaderLine(section);
  for (const IniEntry& entry : entries) out += KeyLine(entry.key, entry.value);
  return out;
}

}  // namespace cw
