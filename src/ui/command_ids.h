// Command identifiers of the main window's toolbar buttons and menu items. A toolbar
// button and the menu item for the same command share an identifier.
#pragma once

namespace cw {

enum CommandId : int {
  kCmdStartMonitoring = 40001,  // 开始监控 / 监控 > 开始
  kCmdStopMonitoring = 40002,   // 停止监控 / 监控 > 停止
  kCmdAddSite = 40003,          // 添加网址
  kCmdEditSelected = 40004,     // 编辑选中
  kCmdDeleteSelected = 40005,   // 删除选中
  kCmdSaveList = 40006,         // 保存列表
  kCmdClearList = 40007,        // 清空列表
  kCmdSettings = 40008,         // 高级设置
  kCmdOnlineHelp = 40009,       // 在线帮助
  kCmdOnlineUpdate = 40010,     // 在线更新 / 帮助 > 更新
  kCmdAbout = 40011,            // 关于
  kCmdMinimize = 40012,         // 监控 > 最小化
  kCmdClose = 40013,            // 监控 > 关闭
};

// Child control identifiers of the main window.
enum ControlId : int {
  kToolbarId = 1001,
  kSiteListId = 1002,
  kStatusBarId = 1003,
};

}  // namespace cw
