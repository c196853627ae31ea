#include "harness/host_paths_win.h"

#include <windows.h>

#include <algorithm>

#include "harness/utf8_text_win.h"

namespace cw::e2e {
namespace {

// Wine's own mapping of a Unix path to a DOS path; absent on Windows itself.
std::wstring DosPathThroughWine(std::wstring_view unixPath) {
  using DosNameFunction = WCHAR* (*)(const char*);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return {};
  auto function = reinterpret_cast<DosNameFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
  if (function == nullptr) return {};
  WCHAR* dosPath = function(Utf8(unixPath).c_str());
  if (dosPath == nullptr) return {};
  std::wstring result(dosPath);
  HeapFree(GetProcessHeap(), 0, dosPath);
  return result;
}

}  // namespace

std::wstring WindowsPathFromHost(std::wstring_view path) {
  if (!path.empty() && path.front() == L'/') {
    std::wstring dosPath = DosPathThroughWine(path);
    if (!dosPath.empty()) return dosPath;
  }
  std::wstring result(path);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

std::wstring JoinPath(std::wstring_view directory, std::wstring_view name) {
  std::wstring result(directory);
  if (!result.empty() && result.back() != L'\\') result += L'\\';
  result += name;
  return result;
}

std::wstring FileNameOf(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

bool CreateFolderTree(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const size_t slash = path.find_last_of(L'\\');
  if (slash != std::wstring::npos && slash > 0 && path[slash - 1] != L':') {
    if (!CreateFolderTree(path.substr(0, slash))) return false;
  }
  return CreateDirectoryW(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace cw::e2e
