#include "harness/child_process_win.h"

#include <vector>

namespace cw::e2e {

std::optional<ChildProcess> ChildProcess::Start(const std::wstring& exePath,
                                                const std::wstring& workingDirectory, std::wstring& error,
                                                const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::vector<wchar_t> writableCommandLine(commandLine.begin(), commandLine.end());
  writableCommandLine.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exePath.c_str(), writableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDirectory.c_str(), &startup, &info)) {
    error = L"CreateProcessW failed for " + exePath + L", error " + std::to_wstring(GetLastError());
    return std::nullopt;
  }
  UniqueHandle thread(info.hThread);
  return ChildProcess(UniqueHandle(info.hProcess), info.dwProcessId);
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Kill();
    process_ = std::move(other.process_);
    id_ = other.id_;
  }
  return *this;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::IsRunning() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  return !process_ ||
         WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (IsRunning() || !process_ || !GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

void ChildProcess::Kill() {
  if (!IsRunning()) return;
  TerminateProcess(process_.Get(), 1);
  WaitForSingleObject(process_.Get(), 10000);
}

UniqueHandle OpenProcessById(DWORD processId) {
  return UniqueHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_OPERATION |
                                      PROCESS_VM_READ | PROCESS_VM_WRITE,
                                  FALSE, processId));
}

}  // namespace cw::e2e
