// The main window's status bar: part 0 of a fixed width, part 1 taking the rest.
#pragma once

#include <windows.h>

#include <string>

namespace cw {

class StatusBar {
 public:
  StatusBar(HWND parent, int controlId, int firstPartWidth);
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  HWND handle() const { return bar_; }
  void SetPartText(int part, const std::string& gbkText);
  // Lets the bar follow its parent's size and DPI; returns its height.
  int Layout(int dpi);

 private:
  HWND bar_ = nullptr;
  int firstPartWidth_;
};

}  // namespace cw
