#include "harness/running_program_win.h"

#include "harness/status_bar_reader_win.h"
#include "harness/window_messages_win.h"
#include "harness/window_search_win.h"
#include "ui/command_ids.h"

namespace cw::e2e {

std::unique_ptr<RunningProgram> RunningProgram::Start(const ScratchFolder& folder,
                                                      const std::wstring& programPath, std::wstring& error,
                                                      std::chrono::milliseconds timeout) {
  if (!folder.Ready()) {
    error = L"the program folder " + folder.Path() + L" could not be prepared";
    return nullptr;
  }
  const auto copy = folder.CopyIn(programPath);
  if (!copy) {
    error = L"could not copy " + programPath + L" into " + folder.Path();
    return nullptr;
  }
  auto process = ChildProcess::Start(*copy, folder.Path(), error);
  if (!process) return nullptr;
  std::unique_ptr<RunningProgram> program(new RunningProgram(std::move(*process)));

  program->mainWindow_ =
      WaitForTopLevelWindow(program->process_.Id(), kMainWindowClass, timeout, program->process_.Handle());
  if (program->mainWindow_ == nullptr) {
    error = program->IsRunning() ? L"no visible main window appeared"
                                 : L"the program ended without a main window";
    return nullptr;
  }
  program->toolbar_ = FindDescendantById(program->mainWindow_, kToolbarId);
  program->siteList_ = FindDescendantById(program->mainWindow_, kSiteListId);
  program->statusBar_ = FindDescendantById(program->mainWindow_, kStatusBarId);
  if (program->toolbar_ == nullptr || program->siteList_ == nullptr || program->statusBar_ == nullptr) {
    error = L"the main window lacks its toolbar, list or status bar";
    return nullptr;
  }
  return program;
}

std::wstring RunningProgram::Title() const { return TitleOf(mainWindow_); }

std::vector<std::wstring> RunningProgram::StatusTexts() const {
  return StatusBarTexts(process_.Handle(), statusBar_);
}

std::vector<ToolbarEntry> RunningProgram::Toolbar() const {
  return ToolbarEntries(process_.Handle(), toolbar_);
}

bool RunningProgram::PressToolbarButton(int commandId) const {
  for (const ToolbarEntry& entry : Toolbar()) {
    if (!entry.separator && entry.commandId == commandId) {
      // The toolbar tells its parent about a click.
      return entry.enabled && PostCommand(GetParent(toolbar_), commandId, toolbar_);
    }
  }
  return false;
}

bool RunningProgram::ChooseMenuItem(int commandId) const { return PostCommand(mainWindow_, commandId); }

bool RunningProgram::ClickCloseBox() const { return PostCloseBoxClick(mainWindow_); }

MessageBoxView RunningProgram::WaitForMessageBox(std::chrono::milliseconds timeout) const {
  return e2e::WaitForMessageBox(process_.Id(), timeout, process_.Handle());
}

HWND RunningProgram::WaitForWindow(std::wstring_view className, std::chrono::milliseconds timeout) const {
  return WaitForTopLevelWindow(process_.Id(), className, timeout, process_.Handle());
}

}  // namespace cw::e2e
