#include "ui/toolbar_win.h"

#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "ui/dpi_win.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

// Picture strips built into the program, one per size; the nearest not larger
// than the DPI asks for is taken.
struct Strip {
  int size;
  int resource;
};
constexpr Strip kStrips[] = {{16, IDB_TOOLBAR16}, {24, IDB_TOOLBAR24}, {32, IDB_TOOLBAR32}};

HIMAGELIST LoadStrip(int dpi) {
  int wanted = ScaleForDpi(16, dpi);
  Strip chosen = kStrips[0];
  for (const Strip& strip : kStrips) {
    if (strip.size <= wanted) chosen = strip;
  }
  HIMAGELIST list = ImageList_Create(chosen.size, chosen.size, ILC_COLOR32, kToolbarImageCount, 0);
  auto bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(chosen.resource),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap) {
    ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  return list;
}

}  // namespace

Toolbar::Toolbar(HWND parent, int controlId, std::span<const ToolbarEntry> entries) : entries_(entries) {
  toolbar_ = CreateWindowExW(
      0, TOOLBARCLASSNAMEW, L"",
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP, 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DOUBLEBUFFER);

  for (const ToolbarEntry& entry : entries)
    texts_.push_back(entry.text ? WideFromGbk(entry.text) : std::wstring());
  std::vector<TBBUTTON> buttons;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ToolbarEntry& entry = entries[i];
    TBBUTTON button{};
    if (!entry.text) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = entry.image;
      button.idCommand = entry.command;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
      button.iString = reinterpret_cast<INT_PTR>(texts_[i].c_str());
    }
    buttons.push_back(button);
  }
  ApplyDpi(WindowDpi(parent));
  SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

Toolbar::~Toolbar() {
  if (images_) ImageList_Destroy(images_);
}

void Toolbar::ApplyDpi(int dpi) {
  HIMAGELIST previous = images_;
  images_ = LoadStrip(dpi);
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  if (previous) ImageList_Destroy(previous);
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void Toolbar::SetButtonEnabled(int index, bool enabled) {
  if (index < 0 || index >= static_cast<int>(entries_.size()) || !entries_[index].text) return;
  SendMessageW(toolbar_, TB_ENABLEBUTTON, entries_[index].command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool Toolbar::IsButtonEnabled(int index) const {
  if (index < 0 || index >= static_cast<int>(entries_.size()) || !entries_[index].text) return false;
  return SendMessageW(toolbar_, TB_ISBUTTONENABLED, entries_[index].command, 0) != 0;
}

void Toolbar::FillTooltip(NMTTDISPINFOW& request) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].text && static_cast<UINT_PTR>(entries_[i].command) == request.hdr.idFrom) {
      request.lpszText = const_cast<wchar_t*>(texts_[i].c_str());
      return;
    }
  }
}

int Toolbar::Height() const {
  RECT rect{};
  GetWindowRect(toolbar_, &rect);
  return rect.bottom - rect.top;
}

}  // namespace cw
