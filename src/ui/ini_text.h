// The INI engine on file bytes: reading one key and writing one key of a section,
// byte-exact and the same on every platform. The program keeps its settings and its
// site list this way; the rules are those users rely on when editing the files:
// - Lines end at CR LF, at a lone LF or at a lone CR; the last line may lack an end.
// - "[name]" (blanks allowed around it and inside the brackets) starts a section; a
//   line starting with "[" but lacking its "]" is no section and no key.
// - "key=value" inside a section is a key line; the key and the value lose their
//   surrounding blanks (spaces and tabs), the value starts after the first "=". A
//   line without "=" is no key.
// - Section and key names compare ASCII case-insensitively, GBK characters exactly.
// - Only the first section of a name counts, and within it the first line of a key.
// - Any other bytes (NUL, binary garbage, invalid GBK) are ordinary text: they are
//   carried through unchanged and never end a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// The longest value a read returns, in bytes; a longer value is cut at the last
// character boundary within it, so no half of a double-byte character is returned.
inline constexpr std::size_t kIniValueLimit = 10239;

// The value of `key` in `section`; `defaultValue` when the section or the key is
// absent. A key present with nothing after "=" gives the empty text.
std::string IniReadValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                         std::string_view defaultValue);

// The file bytes after setting `key` in `section` to `value`. An existing key keeps
// its line (the part up to "=" and its line end stay, the rest becomes the value); a
// missing key is added as "key=value" CR LF after the last non-blank line of its
// section; a missing section is added with the key at the end of the file. A line
// break is inserted first where the new line would follow a line without one. Every
// other byte stays as it was. CR and LF inside the names or the value are written as
// blanks, so one write always adds at most one line of text.
std::string IniWriteValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                          std::string_view value);

struct IniEntry {
  std::string key;
  std::string value;
};

// Every key line of `section`, in file order, as IniReadValue sees them (names and
// values trimmed, values limited). Lets a caller look up many keys in one pass.
std::vector<IniEntry> IniReadSection(std::string_view fileBytes, std::string_view section);

// The bytes that writing each entry in turn into an empty file gives (for distinct
// keys): "[section]" CR LF, then "key=value" CR LF per entry; no entries give "".
std::string IniComposeSection(std::string_view section, const std::vector<IniEntry>& entries);

}  // namespace cw
