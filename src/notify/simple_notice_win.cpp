#include "notify/simple_notice_win.h"

#include <windows.h>

#include "ui/controls_win.h"
#include "ui/dpi_win.h"
#include "ui/ui_font_win.h"
#include "ui/wide_text_win.h"
#include "ui/window_win.h"

namespace cw {
namespace {
constexpr int kShortestSeconds = 3;
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kWidth = 243;
constexpr int kHeight = 158;
}  // namespace

class SimpleNoticeSink::NoticeWindow : public Window {
 public:
  bool Open(const NoticeRequest& request) {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    int dpi = WindowDpi(nullptr);
    int width = ScaleForDpi(kWidth, dpi);
    int height = ScaleForDpi(kHeight, dpi);
    CreateParams params{L"ChengwangNotice",
                        WideFromGbk(request.title),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                        workArea.right - width,
                        workArea.bottom - height,
                        width,
                        height};
    if (!Create(params)) return false;
    font_ = UiFont(dpi);
    boldFont_ = UiFont(dpi, true);
    RECT client{};
    GetClientRect(handle(), &client);
    int clientWidth = MulDiv(client.right, kDesignDpi, dpi);
    CreateChildControl(handle(), L"STATIC", request.caption, SS_LEFT, 1, 8, 6, clientWidth - 16, 20, dpi,
                       boldFont_.get());
    CreateChildControl(handle(), L"STATIC", request.text, SS_LEFT, 2, 8, 30, clientWidth - 16, 80, dpi,
                       font_.get());
    int seconds = request.seconds < kShortestSeconds ? kShortestSeconds : request.seconds;
    SetTimer(handle(), kCloseTimer, static_cast<UINT>(seconds) * 1000u, nullptr);
    ShowWindow(handle(), SW_SHOWNOACTIVATE);
    return true;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kCloseTimer) {
      KillTimer(handle(), kCloseTimer);
      Close();
      return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  UiFont font_;
  UiFont boldFont_;
};

SimpleNoticeSink::SimpleNoticeSink() = default;
SimpleNoticeSink::~SimpleNoticeSink() = default;

void SimpleNoticeSink::ShowNotice(const NoticeRequest& request) {
  // One notice at a time: an open one is brought forward instead.
  if (window_ && window_->handle()) {
    if (IsIconic(window_->handle())) ShowWindow(window_->handle(), SW_RESTORE);
    SetForegroundWindow(window_->handle());
    return;
  }
  window_ = std::make_unique<NoticeWindow>();
  if (!window_->Open(request)) window_.reset();
}

}  // namespace cw
