#include "harness/message_box_win.h"

#include "harness/wait_win.h"
#include "harness/window_messages_win.h"
#include "harness/window_search_win.h"

namespace cw::e2e {
namespace {

constexpr int kStandardButtons[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};

// The message of a box: the texts of its labels, without the empty icon label.
std::wstring MessageTextOf(HWND box) {
  std::wstring text;
  for (HWND label : FindDescendants(box, L"Static")) {
    std::wstring part = TextOf(label);
    if (part.empty()) continue;
    if (!text.empty()) text += L"\n";
    text += part;
  }
  return text;
}

MessageBoxView ViewOf(HWND box) {
  MessageBoxView view;
  view.window = box;
  view.title = TitleOf(box);
  view.text = MessageTextOf(box);
  view.owner = GetWindow(box, GW_OWNER);
  for (int id : kStandardButtons) {
    HWND button = GetDlgItem(box, id);
    if (button != nullptr && IsWindowVisible(button)) view.buttonIds.push_back(id);
  }
  return view;
}

}  // namespace

std::vector<MessageBoxView> MessageBoxesOf(DWORD processId) {
  std::vector<MessageBoxView> boxes;
  for (HWND box : FindTopLevelWindows(processId, L"#32770")) boxes.push_back(ViewOf(box));
  return boxes;
}

MessageBoxView WaitForMessageBox(DWORD processId, std::chrono::milliseconds timeout, HANDLE process) {
  HWND box = WaitForTopLevelWindow(processId, L"#32770", timeout, process);
  return box != nullptr ? ViewOf(box) : MessageBoxView{};
}

bool AnswerMessageBox(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  if (button == nullptr) return false;
  return PostCommand(box, buttonId, button);
}

}  // namespace cw::e2e
