// The program's main window: the site list, the toolbar and menus that carry
// every command, and the two-part status bar. Creating it runs the start-up.
#pragma once

#include <memory>
#include <string>

#include "notify/notice_request.h"
#include "ui/settings.h"
#include "ui/site_list_view_win.h"
#include "ui/status_bar_win.h"
#include "ui/toolbar_win.h"
#include "ui/ui_font_win.h"
#include "ui/ui_thread_win.h"
#include "ui/window_timer_win.h"
#include "ui/window_win.h"

namespace cw {

inline constexpr wchar_t kMainWindowClass[] = L"ChengwangMainWindow";

class MainWindow : public Window {
 public:
  MainWindow(std::string programDirectory, const UiThread& uiThread, NoticeSink& notices);
  ~MainWindow() override;

  // Creates the window and runs the start-up; false when the window could not be made.
  bool Create();

  void RefreshListCount();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override { PostQuitMessage(0); }

 private:
  void OnCreated();
  void RunCommand(int command);
  void OnNotify(NMHDR& header);
  void ConfirmClose();
  void Layout();
  void ApplyDpi(int dpi);

  std::string programDirectory_;
  const UiThread& uiThread_;
  NoticeSink& notices_;
  Settings settings_;
  int dpi_ = 96;
  UiFont font_;
  std::unique_ptr<Toolbar> toolbar_;
  std::unique_ptr<SiteListView> siteList_;
  std::unique_ptr<StatusBar> statusBar_;
  std::unique_ptr<WindowTimers> timers_;
  WindowTimer* clockTemplate_ = nullptr;  // 时钟1: never ticks itself, copied for site timers
};

}  // namespace cw
