#include "ui/main_window_layout.h"

namespace cw {

std::string TitleText() { return std::string("澄望 ") + kVersionText; }

std::string ListCountText(int rowCount) { return "停止监控网址 共" + std::to_string(rowCount) + "个网址 "; }

}  // namespace cw
