// Windows implementation of the file access: GBK paths become UTF-16 and the
// wide file functions do the work, so any folder name the system allows works.
#include <windows.h>

#include "ui/file_access.h"
#include "ui/unique_handle_win.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string FilePathIn(std::string_view directory, std::string_view fileName) {
  std::string path(directory);
  path += '\\';
  path += fileName;
  return path;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(WideFromGbk(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  UniqueHandle file(CreateFileW(WideFromGbk(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char piece[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), piece, sizeof piece, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(piece, got);
  }
  return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::wstring target = WideFromGbk(path);
  std::wstring temporary = target + L".new";
  bool written = false;
  {
    UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    // On disk before it replaces the old file, so a crash cannot leave an empty one.
    written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  }  // closed here: an open file cannot be deleted
  if (!written ||
      !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileW(WideFromGbk(path).c_str()) != 0; }

}  // namespace cw
