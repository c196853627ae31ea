#include "harness/window_messages_win.h"

namespace cw::e2e {

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       std::chrono::milliseconds timeout) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

bool PostCommand(HWND window, int commandId, HWND control) {
  return PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, control != nullptr ? BN_CLICKED : 0),
                      reinterpret_cast<LPARAM>(control)) != 0;
}

bool PostCloseBoxClick(HWND window) { return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }

bool WaitForWindowThread(HWND window, std::chrono::milliseconds timeout) {
  return SendWithTimeout(window, WM_NULL, 0, 0, timeout).has_value();
}

}  // namespace cw::e2e
