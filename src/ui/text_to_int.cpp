#include "ui/text_to_int.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>

#include "ui/gbk_text.h"

namespace cw {
namespace {

// Walks the text by GBK characters and yields each as the ASCII character it stands
// for: full-width forms fold to ASCII, the ideographic space to a blank, and any
// other double-byte character to a value that matches nothing below.
class FoldedChars {
 public:
  explicit FoldedChars(std::string_view text) : text_(text) {}

  std::optional<char> Next() {
    std::size_t length = CharLengthAt(text_, pos_);
    if (length == 0) return std::nullopt;
    std::size_t at = pos_;
    pos_ += length;
    if (length == 1) return text_[at];
    auto lead = static_cast<unsigned char>(text_[at]);
    auto trail = static_cast<unsigned char>(text_[at + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail & 0x7F);
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    return kOther;
  }

 private:
  static constexpr char kOther = '\x80';
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t TextToInt(std::string_view text) {
  FoldedChars chars(text);
  std::optional<char> c = chars.Next();
  while (c && IsWhiteSpace(*c)) c = chars.Next();

  bool negative = false;
  if (c && (*c == '+' || *c == '-')) {
    negative = *c == '-';
    c = chars.Next();
  }

  // The magnitude stops growing one past INT32_MAX, which is enough to saturate
  // either way (INT32_MIN is exactly its negative).
  constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kCap = kHighest + 1;
  std::int64_t magnitude = 0;
  for (; c && IsDigit(*c); c = chars.Next()) magnitude = std::min(magnitude * 10 + (*c - '0'), kCap);

  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kHighest));
}

}  // namespace cw
