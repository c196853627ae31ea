// Messages sent and posted to another process's windows, as a user's actions would.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

namespace cw::e2e {

// SendMessageW that gives up when the window's thread does not answer in time.
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

// Posts the WM_COMMAND a click on a menu item (no `control`) or on a control sends.
bool PostCommand(HWND window, int commandId, HWND control = nullptr);

// Asks `window` to close the way its close box does.
bool PostCloseBoxClick(HWND window);

// Returns once the window's thread has answered a sent message, i.e. is not stuck in
// a handler; false when it did not answer in time. (A sent message may be answered
// before messages posted earlier are handled, so this is no ordering guarantee.)
bool WaitForWindowThread(HWND window, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

}  // namespace cw::e2e
