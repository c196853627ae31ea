#include "harness/status_bar_reader_win.h"

#include <commctrl.h>

#include "harness/remote_memory_win.h"
#include "harness/window_messages_win.h"

namespace cw::e2e {
namespace {

constexpr int kMaxParts = 256;  // the most a status bar can have

}  // namespace

std::vector<std::wstring> StatusBarTexts(HANDLE process, HWND statusBar) {
  std::vector<std::wstring> texts;
  RemoteMemory edges(process, kMaxParts * sizeof(int));
  if (!edges.Valid()) return texts;
  const auto parts = SendWithTimeout(statusBar, SB_GETPARTS, kMaxParts, edges.AsParam());
  if (!parts) return texts;
  for (int part = 0; part < static_cast<int>(*parts); ++part) {
    const auto length = SendWithTimeout(statusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
    if (!length) return texts;
    const size_t characters = LOWORD(*length);
    RemoteMemory buffer(process, (characters + 1) * sizeof(wchar_t));
    if (!buffer.Valid()) return texts;
    if (!SendWithTimeout(statusBar, SB_GETTEXTW, static_cast<WPARAM>(part), buffer.AsParam())) return texts;
    std::wstring text(characters, L'\0');
    if (characters > 0 && !buffer.Read(text.data(), characters * sizeof(wchar_t))) return texts;
    texts.push_back(std::move(text));
  }
  return texts;
}

}  // namespace cw::e2e
