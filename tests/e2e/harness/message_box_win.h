// Standard message boxes of another process: finding them, reading them, answering
// them by button id (the button captions follow Wine's language, the ids do not).
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace cw::e2e {

struct MessageBoxView {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;  // the message, from the box's text label
  HWND owner = nullptr;
  std::vector<int> buttonIds;  // among IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO
};

// The visible message boxes (top-level dialogs of class "#32770") of process `processId`.
std::vector<MessageBoxView> MessageBoxesOf(DWORD processId);

// Waits until process `processId` shows a message box; an empty view (window nullptr) on
// timeout or when `process` (when given) ends first.
MessageBoxView WaitForMessageBox(DWORD processId, std::chrono::milliseconds timeout,
                                 HANDLE process = nullptr);

// Presses the button `buttonId` (IDOK, IDCANCEL, ...) of the dialog `box`.
bool AnswerMessageBox(HWND box, int buttonId);

}  // namespace cw::e2e
