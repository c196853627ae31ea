// Reading the part texts of another process's status bar.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cw::e2e {

// One text per part, in part order. `process` needs memory access rights.
std::vector<std::wstring> StatusBarTexts(HANDLE process, HWND statusBar);

}  // namespace cw::e2e
