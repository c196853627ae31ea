// A process started by a test. It is ended at destruction when still running, so a
// failed test never leaves the program behind.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "ui/unique_handle_win.h"

namespace cw::e2e {

class ChildProcess {
 public:
  // Starts `exePath` with `workingDirectory` as its current folder, `arguments`
  // following the quoted path on its command line. Nothing on failure, with the
  // reason in `error`.
  static std::optional<ChildProcess> Start(const std::wstring& exePath, const std::wstring& workingDirectory,
                                           std::wstring& error, const std::wstring& arguments = {});

  ChildProcess(ChildProcess&&) noexcept = default;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  HANDLE Handle() const { return process_.Get(); }
  DWORD Id() const { return id_; }
  bool IsRunning() const;
  bool WaitForExit(std::chrono::milliseconds timeout) const;
  // The exit code once the process has ended.
  std::optional<DWORD> ExitCode() const;
  // Ends the process when it is still running and waits until it is gone.
  void Kill();

 private:
  ChildProcess(UniqueHandle process, DWORD id) : process_(std::move(process)), id_(id) {}

  UniqueHandle process_;
  DWORD id_ = 0;
};

// Opens a process the caller did not start, for waiting on it and reading its memory.
UniqueHandle OpenProcessById(DWORD processId);

}  // namespace cw::e2e
