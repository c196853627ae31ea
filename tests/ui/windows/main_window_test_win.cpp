// The main window in-process: what start-up puts in it, the notice request for a
// damaged list, and the fonts of its controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "temp_folder.h"
#include "ui/command_ids.h"
#include "ui/main_window_win.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

class RecordingNotices : public NoticeSink {
 public:
  void ShowNotice(const NoticeRequest& request) override { requests.push_back(request); }
  std::vector<NoticeRequest> requests;
};

std::string StatusPart(HWND window, int part) {
  HWND bar = GetDlgItem(window, kStatusBarId);
  wchar_t text[512] = {};
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
  return GbkFromWide(text);
}

std::string Cell(HWND window, int row, int column) {
  wchar_t text[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 512;
  SendMessageW(GetDlgItem(window, kSiteListId), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  return GbkFromWide(text);
}

class MainWindowTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  UiThread uiThread;
  RecordingNotices notices;
};

TEST_F(MainWindowTest, FirstStartShowsTheBuiltInRowsAndTheCount) {
  MainWindow window(folder.Path(), uiThread, notices);
  ASSERT_TRUE(window.Create());
  HWND handle = window.handle();
  wchar_t title[64] = {};
  GetWindowTextW(handle, title, 64);
  EXPECT_EQ(GbkFromWide(title), "澄望 1.1");
  EXPECT_EQ(StatusPart(handle, 0), "澄望 1.1");
  EXPECT_EQ(StatusPart(handle, 1), "停止监控网址 共2个网址 ");
  EXPECT_EQ(ListView_GetItemCount(GetDlgItem(handle, kSiteListId)), 2);
  EXPECT_EQ(Cell(handle, 0, 1), "33");
  EXPECT_EQ(Cell(handle, 1, 1), "34");
  EXPECT_EQ(Cell(handle, 1, 3), "未开始");
  EXPECT_TRUE(notices.requests.empty());
  EXPECT_TRUE(folder.Has("config.ini"));
  EXPECT_TRUE(folder.Has("list.ini"));

  HWND toolbar = GetDlgItem(handle, kToolbarId);
  EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 14);
  EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kCmdStartMonitoring, 0));
  EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kCmdStopMonitoring, 0));
}

TEST_F(MainWindowTest, ADamagedListAsksForTheReadErrorNoticeOnce) {
  folder.Put("config.ini", "[配置]\r\n弹窗关闭时间=7\r\n");
  folder.Put("list.ini",
             "[列表]\r\n1=http://a/|31\r\n2=http://b/|32\r\n3=http://c/|x|40\r\n4=http://d/|33\r\n");
  MainWindow window(folder.Path(), uiThread, notices);
  ASSERT_TRUE(window.Create());
  EXPECT_EQ(ListView_GetItemCount(GetDlgItem(window.handle(), kSiteListId)), 2);
  EXPECT_EQ(StatusPart(window.handle(), 1), "停止监控网址 共2个网址 ");
  ASSERT_EQ(notices.requests.size(), 1u);
  const NoticeRequest& notice = notices.requests[0];
  EXPECT_EQ(notice.title, "数据读取错误");
  EXPECT_EQ(notice.text, "列表数据文件 list.ini 数据读取错误，请检查后载导入！");
  EXPECT_EQ(notice.caption, "数据读取错误");
  EXPECT_EQ(notice.url, "");
  EXPECT_EQ(notice.playSound, 1);
  EXPECT_TRUE(notice.icon.empty());
  EXPECT_TRUE(notice.sound.empty());
  EXPECT_EQ(notice.seconds, 7);
}

TEST_F(MainWindowTest, FocusingARowRewritesTheCount) {
  MainWindow window(folder.Path(), uiThread, notices);
  ASSERT_TRUE(window.Create());
  HWND bar = GetDlgItem(window.handle(), kStatusBarId);
  SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"x"));
  ListView_SetItemState(GetDlgItem(window.handle(), kSiteListId), 1, LVIS_FOCUSED, LVIS_FOCUSED);
  EXPECT_EQ(StatusPart(window.handle(), 1), "停止监控网址 共2个网址 ");
}

TEST_F(MainWindowTest, EveryControlHasTheUiFont) {
  MainWindow window(folder.Path(), uiThread, notices);
  ASSERT_TRUE(window.Create());
  std::vector<HWND> withoutFont;
  EnumChildWindows(
      window.handle(),
      [](HWND child, LPARAM found) -> BOOL {
        // Inner parts the controls make themselves (the list's header) follow their owner.
        if (GetParent(child) == GetAncestor(child, GA_ROOT) && !SendMessageW(child, WM_GETFONT, 0, 0)) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&withoutFont));
  EXPECT_TRUE(withoutFont.empty()) << withoutFont.size() << " controls without a font";
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST_F(MainWindowTest, EachToolbarTooltipIsTheButtonText) {
  MainWindow window(folder.Path(), uiThread, notices);
  ASSERT_TRUE(window.Create());
  HWND tooltips =
      reinterpret_cast<HWND>(SendMessageW(GetDlgItem(window.handle(), kToolbarId), TB_GETTOOLTIPS, 0, 0));
  for (auto [command, text] :
       {std::pair{kCmdStartMonitoring, L"开始监控"}, {kCmdSaveList, L"保存列表"}, {kCmdAbout, L"关于"}}) {
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = tooltips;
    request.hdr.idFrom = static_cast<UINT_PTR>(command);
    request.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, text);
  }
}

}  // namespace
}  // namespace cw
