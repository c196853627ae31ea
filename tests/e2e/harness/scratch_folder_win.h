// A program folder of a test's own: emptied when the test starts, left in place
// afterwards so that a failed run can be looked at.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cw::e2e {

class ScratchFolder {
 public:
  // Makes `path` an existing, empty folder (creating its parents as needed).
  explicit ScratchFolder(std::wstring path);

  const std::wstring& Path() const { return path_; }
  bool Ready() const { return ready_; }
  std::wstring FilePath(std::wstring_view name) const;

  // Replaces file `name` in the folder with exactly `bytes`.
  bool WriteFile(std::wstring_view name, std::string_view bytes) const;
  // The bytes of file `name`, or nothing when it cannot be read.
  std::optional<std::string> ReadFile(std::wstring_view name) const;
  bool HasFile(std::wstring_view name) const;
  // Copies the file at `source` into the folder under its own name; returns the copy's path.
  std::optional<std::wstring> CopyIn(const std::wstring& source) const;

 private:
  std::wstring path_;
  bool ready_ = false;
};

// The bytes of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// Replaces the file at `path` with exactly `bytes`.
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);

}  // namespace cw::e2e
