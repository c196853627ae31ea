// The About window: the program's picture, name and version, and a link to the
// maker's page.
#pragma once

#include "ui/gdi_objects_win.h"
#include "ui/ui_font_win.h"
#include "ui/window_win.h"

namespace cw {

class AboutWindow : public Window {
 public:
  // Shows the window modally over `owner` and returns once it is closed.
  static void ShowModal(HWND owner);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Create(HWND owner);
  void Paint();

  int dpi_ = 96;
  UiFont font_;
  UiFont titleFont_;
  GdiBitmap picture_;
};

}  // namespace cw
