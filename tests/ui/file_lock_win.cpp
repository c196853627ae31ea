#include <windows.h>

#include "file_lock.h"
#include "ui/wide_text_win.h"

namespace cw::test {

ExclusiveFileLock::ExclusiveFileLock(const std::string& path) {
  HANDLE file = CreateFileW(WideFromGbk(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) handle_ = file;
}

ExclusiveFileLock::~ExclusiveFileLock() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace cw::test
