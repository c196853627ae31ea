#include <windows.h>

#include "ui/program_directory_win.h"
#include "ui/wide_text_win.h"

namespace cw {

std::string ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::size_t lastSlash = path.find_last_of(L'\\');
  if (lastSlash != std::wstring::npos) path.resize(lastSlash);
  return GbkFromWide(path);
}

}  // namespace cw
