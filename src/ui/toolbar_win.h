// A toolbar of picture buttons with their text below the picture and a tooltip
// equal to the text. Buttons and separators are indexed from 0 in their order.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "ui/main_window_layout.h"

namespace cw {

class Toolbar {
 public:
  Toolbar(HWND parent, int controlId, std::span<const ToolbarEntry> entries);
  ~Toolbar();
  Toolbar(const Toolbar&) = delete;
  Toolbar& operator=(const Toolbar&) = delete;

  HWND handle() const { return toolbar_; }

  // Loads the picture strip whose size suits `dpi` and sizes the buttons again.
  void ApplyDpi(int dpi);
  void SetButtonEnabled(int index, bool enabled);
  bool IsButtonEnabled(int index) const;
  int Height() const;
  // Answers the toolbar's tooltip request: each button's tip is its text.
  void FillTooltip(NMTTDISPINFOW& request) const;

 private:
  HWND toolbar_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::span<const ToolbarEntry> entries_;
  std::vector<std::wstring> texts_;  // per entry; empty for separators
};

}  // namespace cw
