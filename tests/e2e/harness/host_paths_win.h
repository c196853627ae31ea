// Paths handed to the tests by the build (the program under test, the build folder).
// The build runs on Linux and passes Linux paths; under Wine they are turned into
// the Windows paths that name the same files.
#pragma once

#include <string>
#include <string_view>

namespace cw::e2e {

// `path` as a Windows path: a Linux absolute path is mapped through Wine's drive
// table; anything else is returned unchanged with forward slashes made backslashes.
std::wstring WindowsPathFromHost(std::wstring_view path);

// `directory` + "\" + `name`, without doubling a trailing backslash.
std::wstring JoinPath(std::wstring_view directory, std::wstring_view name);

// The last component of `path` (after its last backslash or slash).
std::wstring FileNameOf(std::wstring_view path);

// Creates `path` and every missing folder above it. True when it exists afterwards.
bool CreateFolderTree(const std::wstring& path);

}  // namespace cw::e2e
