// Message boxes as the program shows them: no owner window, always task-modal,
// titled "信息：" when no caption is given.
#pragma once

#include <string>

namespace cw {

inline constexpr char kDefaultMessageCaption[] = "信息：";

// `style` holds MB_* bits; MB_TASKMODAL is always added. Returns the button pressed.
int ShowMessageBox(const std::string& text, const std::string& caption = "", unsigned style = 0);

}  // namespace cw
