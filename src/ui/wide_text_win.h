// GBK <-> UTF-16 at the window and file boundary (code page 936, whatever the
// system's own code page is).
#pragma once

#include <string>
#include <string_view>

namespace cw {

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);

}  // namespace cw
