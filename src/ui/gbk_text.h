// Scanning GBK text by characters: a double-byte character is one unit, so its
// second byte never matches an ASCII byte such as "|", "/" or ":".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cw {

// True when the bytes at text[pos] and text[pos + 1] form one GBK double-byte
// character: a lead byte 0x81..0xFE followed by a trail byte 0x40..0xFE other than 0x7F.
bool IsDoubleByteAt(std::string_view text, std::size_t pos);

// Byte length of the character that starts at text[pos] (1 or 2); 0 at the end.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// First occurrence of needle that starts on a character boundary at or after the
// byte offset `from` (itself a boundary); std::string_view::npos when there is none.
// With ignoreCase, ASCII letters compare without regard to case.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0,
                     bool ignoreCase = false);

// True when both texts are the same characters, ASCII letters compared without regard
// to case; the halves of double-byte characters always compare exactly.
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// The text with ASCII A-Z lowered; every other byte, double-byte halves included, unchanged.
std::string AsciiLower(std::string_view text);

}  // namespace cw
