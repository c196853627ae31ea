#include <windows.h>

#include "ui/message_box_win.h"
#include "ui/wide_text_win.h"

namespace cw {

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  const std::string& title = caption.empty() ? std::string(kDefaultMessageCaption) : caption;
  return MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), style | MB_TASKMODAL);
}

}  // namespace cw
