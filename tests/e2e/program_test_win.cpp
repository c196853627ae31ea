#include "program_test_win.h"

#include <windows.h>

#include "test_paths_win.h"

namespace cw::e2e {
namespace {

std::wstring CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  return std::wstring(name.begin(), name.end());
}

std::string FromCodePage(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return Utf8(wide);
}

}  // namespace

ProgramTest::ProgramTest() : folder_(ScratchFolderFor(CurrentTestName())) {}

void ProgramTest::TearDown() { program_.reset(); }

::testing::AssertionResult ProgramTest::StartProgram() {
  program_.reset();
  std::wstring error;
  program_ = RunningProgram::Start(folder_, GetTestPaths().program, error);
  if (program_ == nullptr) return ::testing::AssertionFailure() << Utf8(error);
  return ::testing::AssertionSuccess();
}

void ProgramTest::KillProgram() {
  if (program_ != nullptr) program_->Process().Kill();
  program_.reset();
}

std::string Describe(const std::vector<std::wstring>& texts) {
  std::string result = "[";
  for (size_t i = 0; i < texts.size(); ++i) result += (i > 0 ? " | \"" : "\"") + Utf8(texts[i]) + "\"";
  return result + "]";
}

std::string Describe(const std::vector<ListRow>& rows) {
  std::string result = std::to_string(rows.size()) + " rows";
  for (const ListRow& row : rows) result += "\n  " + Describe(row);
  return result;
}

std::string DescribeGbk(const std::optional<std::string>& bytes) {
  if (!bytes) return "(no file)";
  std::string text = FromCodePage(936, *bytes);
  std::string shown;
  for (char c : text) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else {
      shown += c;
    }
  }
  return std::to_string(bytes->size()) + " bytes: \"" + shown + "\"";
}

}  // namespace cw::e2e
