#include "ui/gbk_text.h"

namespace cw {
namespace {

unsigned char ByteAt(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares needle with the text at pos; with ignoreCase only single-byte characters
// fold, never the second byte of a double-byte character.
bool SameAt(std::string_view text, std::size_t pos, std::string_view needle, bool ignoreCase) {
  if (text.size() - pos < needle.size()) return false;
  std::string_view here = text.substr(pos, needle.size());
  if (!ignoreCase) return here == needle;
  for (std::size_t i = 0; i < needle.size();) {
    std::size_t step = CharLengthAt(needle, i);
    if (step == 2) {
      if (here.substr(i, 2) != needle.substr(i, 2)) return false;
    } else if (LowerAscii(here[i]) != LowerAscii(needle[i])) {
      return false;
    }
    i += step;
  }
  return true;
}

}  // namespace

bool IsDoubleByteAt(std::string_view text, std::size_t pos) {
  if (pos + 1 >= text.size()) return false;
  unsigned char lead = ByteAt(text, pos);
  unsigned char trail = ByteAt(text, pos + 1);
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  return IsDoubleByteAt(text, pos) ? 2 : 1;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from, bool ignoreCase) {
  for (std::size_t pos = from; pos <= text.size(); pos += CharLengthAt(text, pos)) {
    if (SameAt(text, pos, needle, ignoreCase)) return pos;
    if (pos == text.size()) break;
  }
  return std::string_view::npos;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && SameAt(a, 0, b, true);
}

std::string AsciiLower(std::string_view text) {
  std::string lowered(text);
  for (std::size_t pos = 0; pos < lowered.size(); pos += CharLengthAt(text, pos)) {
    lowered[pos] = LowerAscii(lowered[pos]);
  }
  return lowered;
}

}  // namespace cw
