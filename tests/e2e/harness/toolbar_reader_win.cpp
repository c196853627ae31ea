#include "harness/toolbar_reader_win.h"

#include <commctrl.h>

#include <algorithm>

#include "harness/remote_memory_win.h"
#include "harness/window_messages_win.h"

namespace cw::e2e {
namespace {

constexpr int kTextCapacity = 1024;

std::wstring ButtonText(HANDLE process, HWND toolbar, int commandId) {
  const auto length = SendWithTimeout(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(commandId), 0);
  if (!length || *length <= 0 || *length >= kTextCapacity) return {};
  RemoteMemory buffer(process, kTextCapacity * sizeof(wchar_t));
  if (!buffer.Valid()) return {};
  const auto copied =
      SendWithTimeout(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(commandId), buffer.AsParam());
  if (!copied || *copied <= 0) return {};
  std::wstring text(static_cast<size_t>(std::min<LRESULT>(*copied, kTextCapacity - 1)), L'\0');
  if (!buffer.Read(text.data(), text.size() * sizeof(wchar_t))) return {};
  return text;
}

}  // namespace

std::vector<ToolbarEntry> ToolbarEntries(HANDLE process, HWND toolbar) {
  std::vector<ToolbarEntry> entries;
  const auto count = SendWithTimeout(toolbar, TB_BUTTONCOUNT, 0, 0);
  if (!count) return entries;
  RemoteMemory block(process, sizeof(TBBUTTON));
  if (!block.Valid()) return entries;
  for (int index = 0; index < static_cast<int>(*count); ++index) {
    TBBUTTON button{};
    if (!block.WriteValue(button)) return entries;
    const auto found = SendWithTimeout(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), block.AsParam());
    if (!found || *found == 0 || !block.ReadValue(button)) return entries;
    ToolbarEntry entry;
    entry.commandId = button.idCommand;
    entry.separator = (button.fsStyle & BTNS_SEP) != 0;
    entry.enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    if (!entry.separator) entry.text = ButtonText(process, toolbar, button.idCommand);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace cw::e2e
