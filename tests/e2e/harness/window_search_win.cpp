#include "harness/window_search_win.h"

#include "harness/wait_win.h"
#include "harness/window_messages_win.h"

namespace cw::e2e {
namespace {

struct TopLevelQuery {
  DWORD processId;
  std::wstring_view className;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  auto& query = *reinterpret_cast<TopLevelQuery*>(context);
  if (query.processId != 0 && ProcessIdOf(window) != query.processId) return TRUE;
  if (query.visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (ClassNameOf(window) == query.className) query.found.push_back(window);
  return TRUE;
}

struct DescendantQuery {
  std::wstring_view className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDescendant(HWND window, LPARAM context) {
  auto& query = *reinterpret_cast<DescendantQuery*>(context);
  if (ClassNameOf(window) == query.className) query.found.push_back(window);
  return TRUE;
}

struct IdQuery {
  int controlId;
  HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM context) {
  auto& query = *reinterpret_cast<IdQuery*>(context);
  if (GetDlgCtrlID(window) != query.controlId) return TRUE;
  query.found = window;
  return FALSE;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(DWORD processId, std::wstring_view className, bool visibleOnly) {
  TopLevelQuery query{processId, className, visibleOnly, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND WaitForTopLevelWindow(DWORD processId, std::wstring_view className, std::chrono::milliseconds timeout,
                           HANDLE process) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const auto windows = FindTopLevelWindows(processId, className);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeout, process);
  return found;
}

HWND FindDescendantById(HWND parent, int controlId) {
  IdQuery query{controlId, nullptr};
  EnumChildWindows(parent, FindById, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

std::vector<HWND> FindDescendants(HWND parent, std::wstring_view className) {
  DescendantQuery query{className, {}};
  EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD ProcessIdOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::wstring TitleOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::wstring TextOf(HWND window) {
  const auto length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  if (!length || *length <= 0) return {};
  std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
  const auto copied = SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied && *copied > 0 ? static_cast<size_t>(*copied) : 0);
  return text;
}

}  // namespace cw::e2e
