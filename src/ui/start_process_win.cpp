#include <windows.h>

#include "ui/start_process_win.h"
#include "ui/unique_handle_win.h"
#include "ui/wide_text_win.h"

namespace cw {

void StartCommandLine(const std::string& gbkCommandLine) {
  std::wstring commandLine = WideFromGbk(gbkCommandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return;
  }
  UniqueHandle thread(process.hThread);
  UniqueHandle program(process.hProcess);
  WaitForInputIdle(program.Get(), 1000);
}

}  // namespace cw
