// UTF-16 text as UTF-8: for Wine's Unix paths and for failure messages a person can read.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace cw::e2e {

inline std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

}  // namespace cw::e2e
