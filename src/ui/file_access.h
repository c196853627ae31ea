// Whole-file access for the program's own small files. Paths are GBK text; on
// Windows they are converted to UTF-16 at this boundary.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cw {

// `directory` joined with the file name by the platform's separator ("\" on Windows).
std::string FilePathIn(std::string_view directory, std::string_view fileName);

bool FileExists(const std::string& path);

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file's contents with `bytes` in one step: the new contents are
// written beside it and moved over it, so a failure leaves the old file untouched.
bool WriteFileBytes(const std::string& path, std::string_view bytes);

// Deletes the file; false when it could not be deleted (for instance when absent).
bool DeleteFileAt(const std::string& path);

}  // namespace cw
