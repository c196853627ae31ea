// Finding windows of another process and reading what the system keeps of them.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace cw::e2e {

// Top-level windows of class `className`; of process `processId` unless it is 0;
// only visible ones when `visibleOnly`.
std::vector<HWND> FindTopLevelWindows(DWORD processId, std::wstring_view className, bool visibleOnly = true);

// Waits until FindTopLevelWindows finds a window and returns the first, or nullptr
// on timeout. With `process` given the wait gives up once that process has ended.
HWND WaitForTopLevelWindow(DWORD processId, std::wstring_view className, std::chrono::milliseconds timeout,
                           HANDLE process = nullptr);

// The first window below `parent` (at any depth) with control id `controlId`.
HWND FindDescendantById(HWND parent, int controlId);
// The windows directly or indirectly below `parent` of class `className`.
std::vector<HWND> FindDescendants(HWND parent, std::wstring_view className);

std::wstring ClassNameOf(HWND window);
DWORD ProcessIdOf(HWND window);
// The title the system keeps for `window` (no message is sent to it).
std::wstring TitleOf(HWND window);
// The text `window` gives for WM_GETTEXT (marshalled across processes by the system).
std::wstring TextOf(HWND window);

}  // namespace cw::e2e
