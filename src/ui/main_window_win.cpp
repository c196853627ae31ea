#include "ui/main_window_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/resource_ids.h"
#include "ui/about_window_win.h"
#include "ui/dpi_win.h"
#include "ui/main_window_layout.h"
#include "ui/message_box_win.h"
#include "ui/site_list.h"
#include "ui/start_process_win.h"
#include "ui/startup_files.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

constexpr char kCloseQuestion[] = "退出程序后不能在监控网页变化\r\n你确定退出吗？";
constexpr char kCloseCaption[] = "澄望";

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  for (const Menu& menu : kMenus) {
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < menu.itemCount; ++i) {
      const MenuItem& item = menu.items[i];
      if (item.text) {
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command), WideFromGbk(item.text).c_str());
      } else {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      }
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), WideFromGbk(menu.title).c_str());
  }
  return bar;
}

}  // namespace

MainWindow::MainWindow(std::string programDirectory, const UiThread& uiThread, NoticeSink& notices)
    : programDirectory_(std::move(programDirectory)), uiThread_(uiThread), notices_(notices) {}

MainWindow::~MainWindow() = default;

bool MainWindow::Create() {
  int dpi = WindowDpi(nullptr);
  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                             0, 0, LR_DEFAULTSIZE | LR_SHARED));
  CreateParams params{kMainWindowClass,
                      WideFromGbk(TitleText()),
                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      WS_EX_CONTROLPARENT,
                      CW_USEDEFAULT,
                      CW_USEDEFAULT,
                      ScaleForDpi(kMainWindowWidth, dpi),
                      ScaleForDpi(kMainWindowHeight, dpi),
                      nullptr,
                      BuildMenuBar()};
  return Window::Create(params, icon);
}

void MainWindow::OnCreated() {
  dpi_ = WindowDpi(handle());
  font_ = UiFont(dpi_);
  toolbar_ = std::make_unique<Toolbar>(handle(), kToolbarId, kToolbarEntries);
  toolbar_->SetButtonEnabled(kStopButtonIndex, false);
  siteList_ = std::make_unique<SiteListView>(handle(), kSiteListId, uiThread_);
  for (const BuiltInRow& row : kBuiltInRows) {
    std::string notStarted(kNotStartedText);
    siteList_->AppendRow({row.address, row.interval, notStarted, notStarted});
  }
  statusBar_ = std::make_unique<StatusBar>(handle(), kStatusBarId, kStatusPart0Width);
  timers_ = std::make_unique<WindowTimers>(handle());
  clockTemplate_ = &timers_->Create(nullptr);
  ApplyFont(handle(), font_.get());
  Layout();

  // Start-up: title, then the two files, then the count.
  SetTitle(TitleText());
  statusBar_->SetPartText(0, TitleText());
  settings_ = LoadStartupFiles(programDirectory_, *siteList_, notices_);
  RefreshListCount();
}

void MainWindow::RefreshListCount() {
  if (statusBar_ && siteList_) statusBar_->SetPartText(1, ListCountText(siteList_->RowCount()));
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreated();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_COMMAND:
      RunCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_TIMER:
      if (timers_ && timers_->OnTimerMessage(wParam)) return 0;
      break;
    case WM_CLOSE:
      ConfirmClose();
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ApplyDpi(HIWORD(wParam));
      SetWindowPos(handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize.x = ScaleForDpi(400, dpi_);
      limits->ptMinTrackSize.y = ScaleForDpi(240, dpi_);
      return 0;
    }
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void MainWindow::RunCommand(int command) {
  switch (command) {
    case kCmdSaveList:
      SaveSiteList(programDirectory_, *siteList_);
      break;
    case kCmdOnlineHelp:
      StartCommandLine(std::string("explorer ") + kHelpPageAddress);
      break;
    case kCmdAbout:
      AboutWindow::ShowModal(handle());
      break;
    case kCmdMinimize:
      ShowWindow(handle(), SW_MINIMIZE);
      break;
    case kCmdClose:
      ConfirmClose();
      break;
    default:
      // Monitoring, the list operations, settings and updates come with their windows.
      break;
  }
}

void MainWindow::OnNotify(NMHDR& header) {
  // Controls notify while the window is still being built.
  if (siteList_ && header.hwndFrom == siteList_->handle()) {
    if (header.code == LVN_ITEMCHANGED) {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) &&
          !(change.uOldState & LVIS_FOCUSED)) {
        RefreshListCount();
      }
    } else if (header.code == NM_DBLCLK) {
      // Acts on the selected row, not on the point clicked.
      RunCommand(kCmdEditSelected);
    }
    return;
  }
  if (toolbar_ && header.code == TTN_GETDISPINFOW) {
    toolbar_->FillTooltip(reinterpret_cast<NMTTDISPINFOW&>(header));
  }
}

void MainWindow::ConfirmClose() {
  if (ShowMessageBox(kCloseQuestion, kCloseCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK) Close();
}

void MainWindow::Layout() {
  if (!toolbar_ || !siteList_ || !statusBar_) return;
  SendMessageW(toolbar_->handle(), TB_AUTOSIZE, 0, 0);
  int statusHeight = statusBar_->Layout(dpi_);
  RECT client{};
  GetClientRect(handle(), &client);
  int margin = ScaleForDpi(kSiteListRect.x, dpi_);
  int top = std::max(ScaleForDpi(kSiteListRect.y, dpi_), toolbar_->Height() + margin);
  int bottom = client.bottom - statusHeight - ScaleForDpi(1, dpi_);
  MoveWindow(siteList_->handle(), margin, top, std::max(0, static_cast<int>(client.right) - 2 * margin),
             std::max(0, bottom - top), TRUE);
}

void MainWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  font_ = UiFont(dpi_);
  toolbar_->ApplyDpi(dpi_);
  siteList_->ApplyDpi(dpi_);
  ApplyFont(handle(), font_.get());
  Layout();
}

}  // namespace cw
