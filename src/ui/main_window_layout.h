// What the main window carries: its toolbar entries and menus, in their order,
// and the 96-DPI layout. Plain tables the window builds itself from.
#pragma once

#include <array>
#include <string>

#include "ui/command_ids.h"

namespace cw {

inline constexpr char kVersionText[] = "1.1";

// "澄望 " followed by the version: the window title, status part 0, the tray tip
// and the About window's title.
std::string TitleText();

// Status part 1 while not monitoring: "停止监控网址 共" + rows + "个网址 ".
std::string ListCountText(int rowCount);

struct ToolbarEntry {
  const char* text;  // nullptr: a separator
  int command;
  int image;  // index in the toolbar picture strip
};

inline constexpr std::array<ToolbarEntry, 14> kToolbarEntries{{
    {"开始监控", kCmdStartMonitoring, 0},
    {"停止监控", kCmdStopMonitoring, 1},
    {nullptr, 0, -1},
    {"添加网址", kCmdAddSite, 2},
    {"编辑选中", kCmdEditSelected, 3},
    {"删除选中", kCmdDeleteSelected, 4},
    {"保存列表", kCmdSaveList, 5},
    {"清空列表", kCmdClearList, 6},
    {nullptr, 0, -1},
    {"高级设置", kCmdSettings, 7},
    {nullptr, 0, -1},
    {"在线帮助", kCmdOnlineHelp, 8},
    {"在线更新", kCmdOnlineUpdate, 9},
    {"关于", kCmdAbout, 10},
}};

inline constexpr int kToolbarImageCount = 11;
inline constexpr int kStartButtonIndex = 0;
inline constexpr int kStopButtonIndex = 1;

struct MenuItem {
  const char* text;  // nullptr: a separator
  int command;
};

struct Menu {
  const char* title;
  const MenuItem* items;
  int itemCount;
};

inline constexpr MenuItem kMonitorMenu[] = {
    {"开始", kCmdStartMonitoring}, {"停止", kCmdStopMonitoring}, {nullptr, 0},
    {"最小化", kCmdMinimize},      {"关闭", kCmdClose},
};
inline constexpr MenuItem kSiteListMenu[] = {
    {"添加网址", kCmdAddSite},        {"编辑选中", kCmdEditSelected},
    {"删除选中", kCmdDeleteSelected}, {nullptr, 0},
    {"保存列表", kCmdSaveList},       {"清空列表", kCmdClearList},
};
inline constexpr MenuItem kSettingsMenu[] = {{"高级设置", kCmdSettings}};
inline constexpr MenuItem kHelpMenu[] = {
    {"在线帮助", kCmdOnlineHelp}, {"更新", kCmdOnlineUpdate}, {"关于", kCmdAbout}};

inline constexpr std::array<Menu, 4> kMenus{{
    {"监控", kMonitorMenu, 5},
    {"网址列表", kSiteListMenu, 6},
    {"设置", kSettingsMenu, 1},
    {"帮助", kHelpMenu, 3},
}};

// The window and its children at 96 DPI.
struct DesignRect {
  int x, y, width, height;
};
inline constexpr int kMainWindowWidth = 699;
inline constexpr int kMainWindowHeight = 417;
inline constexpr DesignRect kSiteListRect{2, 52, 689, 294};
inline constexpr int kStatusPart0Width = 190;

// Two rows the list starts with; they stay only when there is no list file yet.
struct BuiltInRow {
  const char* address;
  const char* interval;
};
inline constexpr BuiltInRow kBuiltInRows[] = {
    {"http://www.example.net/", "33"},
    {"http://www.example.com/index.html", "34"},
};

// Where 在线帮助 and the About link lead.
inline constexpr char kHelpPageAddress[] = "http://www.example.com/chengwang/help.html";
inline constexpr char kMakerPageAddress[] = "http://www.example.com/chengwang/";

}  // namespace cw
