// Reading the buttons of another process's toolbar.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cw::e2e {

struct ToolbarEntry {
  int commandId = 0;
  bool separator = false;
  bool enabled = false;
  std::wstring text;  // empty for separators
};

// Every button and separator in toolbar order. `process` needs memory access rights.
std::vector<ToolbarEntry> ToolbarEntries(HANDLE process, HWND toolbar);

}  // namespace cw::e2e
