// Program entry: the process-wide set-up, the main window, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "notify/simple_notice_win.h"
#include "ui/dpi_win.h"
#include "ui/main_window_win.h"
#include "ui/program_directory_win.h"
#include "ui/ui_thread_win.h"
#include "ui/wide_text_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  cw::EnableDpiAwareness();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The program works in its own folder, whatever folder it was started from.
  std::string programDirectory = cw::ProgramDirectory();
  SetCurrentDirectoryW(cw::WideFromGbk(programDirectory).c_str());

  cw::UiThread uiThread;
  cw::SimpleNoticeSink notices;
  cw::MainWindow mainWindow(programDirectory, uiThread, notices);
  if (!mainWindow.Create()) return 1;
  mainWindow.Show(showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(mainWindow.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
