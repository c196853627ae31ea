// Conversion of stored and typed text to integers, the one way the program turns a
// text such as an interval, a tag or a setting into a number.
#pragma once

#include <cstdint>
#include <string_view>

namespace cw {

// GBK full-width ASCII characters (0xA3 0xA1..0xFE) count as the ASCII character
// with the second byte's top bit cleared and the ideographic space (0xA1 0xA1) as a
// blank. Then leading white space is skipped, an optional "+" or "-" is taken and
// the decimal digits up to the first other character make the number; no digits
// give 0. So "45秒" gives 45, "abc" 0, " 60" 60 and "３０" 30.
// A number beyond the 32-bit range saturates at INT32_MAX or INT32_MIN.
std::int32_t TextToInt(std::string_view text);

}  // namespace cw
