// Runs the end-to-end tests:
//   e2e_tests --program=<chengwang.exe> --driver=<cw_driver.exe> --build-dir=<build folder>
//             [gtest flags]
// Linux paths (as the build passes them) are accepted under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#include "harness/host_paths_win.h"
#include "test_paths_win.h"

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  cw::e2e::TestPaths paths;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    constexpr std::wstring_view kProgram = L"--program=";
    constexpr std::wstring_view kDriver = L"--driver=";
    constexpr std::wstring_view kBuildDir = L"--build-dir=";
    if (argument.starts_with(kProgram)) {
      paths.program = cw::e2e::WindowsPathFromHost(argument.substr(kProgram.size()));
    } else if (argument.starts_with(kDriver)) {
      paths.driver = cw::e2e::WindowsPathFromHost(argument.substr(kDriver.size()));
    } else if (argument.starts_with(kBuildDir)) {
      paths.buildDirectory = cw::e2e::WindowsPathFromHost(argument.substr(kBuildDir.size()));
    } else {
      std::fwprintf(stderr, L"unknown argument: %ls\n", argv[i]);
      return 2;
    }
  }
  if (paths.program.empty() || paths.driver.empty() || paths.buildDirectory.empty()) {
    std::fputs("usage: e2e_tests --program=<chengwang.exe> --driver=<cw_driver.exe> --build-dir=<folder>\n",
               stderr);
    return 2;
  }
  cw::e2e::SetTestPaths(std::move(paths));
  return RUN_ALL_TESTS();
}
