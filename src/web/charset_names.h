// Charset names as pages and callers spell them, mapped to Windows code pages.
#pragma once

#include <optional>
#include <string_view>

namespace cw {

// UTF-16 has no converter of its own among the system's code pages; these two
// numbers are the ones Windows reserves for it and are handled by the converter.
inline constexpr unsigned kUtf16LittleEndianCodePage = 1200;
inline constexpr unsigned kUtf16BigEndianCodePage = 1201;

// The code page for a charset name, ASCII letters compared without regard to
// case; nothing for a name it does not know.
std::optional<unsigned> CodePageForCharset(std::string_view name);

}  // namespace cw
