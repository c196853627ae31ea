#include "test_paths_win.h"

#include "harness/host_paths_win.h"

namespace cw::e2e {
namespace {

TestPaths& Storage() {
  static TestPaths paths;
  return paths;
}

// A test name as one folder or file name.
std::wstring AsFileName(std::wstring_view name) {
  std::wstring result(name);
  for (wchar_t& c : result) {
    if (c == L'/' || c == L'\\' || c == L':' || c == L'*' || c == L'?' || c == L'"' || c == L'<' ||
        c == L'>' || c == L'|') {
      c = L'_';
    }
  }
  return result;
}

}  // namespace

void SetTestPaths(TestPaths paths) { Storage() = std::move(paths); }

const TestPaths& GetTestPaths() { return Storage(); }

std::wstring ScratchFolderFor(std::wstring_view testName) {
  return JoinPath(JoinPath(Storage().buildDirectory, L"e2e"), AsFileName(testName));
}

std::wstring ScreenshotPathFor(std::wstring_view name) {
  return JoinPath(JoinPath(Storage().buildDirectory, L"screenshots"), AsFileName(name) + L".png");
}

}  // namespace cw::e2e
