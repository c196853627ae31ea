// Shared fixture of the end-to-end tests: a program folder of the test's own, the
// program started in it on request and ended at teardown whatever happened.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/running_program_win.h"
#include "harness/utf8_text_win.h"
#include "harness/scratch_folder_win.h"

namespace cw::e2e {

inline constexpr wchar_t kConfigFile[] = L"config.ini";
inline constexpr wchar_t kListFile[] = L"list.ini";

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest();
  void TearDown() override;

  // Starts the program in this test's folder and waits for its main window.
  ::testing::AssertionResult StartProgram();
  // Ends the program at once, as a crash or power loss would; the files stay.
  void KillProgram();

  RunningProgram& Program() { return *program_; }
  const ScratchFolder& Folder() const { return folder_; }

 private:
  ScratchFolder folder_;
  std::unique_ptr<RunningProgram> program_;
};

std::string Describe(const std::vector<ListRow>& rows);
std::string Describe(const std::vector<std::wstring>& texts);
// File bytes (GBK text) shown readably, line ends made visible.
std::string DescribeGbk(const std::optional<std::string>& bytes);

}  // namespace cw::e2e
