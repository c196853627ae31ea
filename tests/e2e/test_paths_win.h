// Where the end-to-end tests find the program and put what they leave behind; set
// once from the command line before any test runs.
#pragma once

#include <string>
#include <string_view>

namespace cw::e2e {

struct TestPaths {
  std::wstring program;         // the chengwang.exe that was built
  std::wstring driver;          // the cw_driver.exe that was built
  std::wstring buildDirectory;  // scratch folders and screenshots go below it
};

void SetTestPaths(TestPaths paths);
const TestPaths& GetTestPaths();

// <build>\e2e\<name>, a program folder for one test.
std::wstring ScratchFolderFor(std::wstring_view testName);
// <build>\screenshots\<name>.png
std::wstring ScreenshotPathFor(std::wstring_view name);

}  // namespace cw::e2e
