// The window toolkit on real Win32 controls: list view rows from the UI thread and
// from workers, timers, waits with message processing, message boxes, threads.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ui/controls_win.h"
#include "ui/detached_thread.h"
#include "ui/message_box_win.h"
#include "ui/message_wait_win.h"
#include "ui/site_list_view_win.h"
#include "ui/ui_thread_win.h"
#include "ui/wide_text_win.h"
#include "ui/window_timer_win.h"
#include "ui/window_win.h"

namespace cw {
namespace {

class HostWindow : public Window {
 public:
  HostWindow() { Create({L"ToolkitTestHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 0, 400, 300}); }
  WindowTimers* timers = nullptr;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && timers && timers->OnTimerMessage(wParam)) return 0;
    return Window::HandleMessage(message, wParam, lParam);
  }
};

// Processes messages until `done` holds, for at most a few seconds.
template <typename Condition>
bool PumpUntil(Condition done, int timeoutMilliseconds = 5000) {
  ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
  while (!done()) {
    if (GetTickCount64() >= deadline) return false;
    WaitWithMessages(20);
  }
  return true;
}

class ListViewTest : public ::testing::Test {
 protected:
  UiThread uiThread;
  HostWindow host;
  SiteListView list{host.handle(), 7, uiThread};
};

TEST_F(ListViewTest, RowOperationsKeepGbkTextExact) {
  list.AppendRow({"http://例子.cn/页?q=1", "45秒", "未开始", "未开始"});
  list.AppendRow({"b", "60", "", "正常"});
  list.AppendRow({"c", "", "", ""});
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.CellText(0, kAddressColumn), "http://例子.cn/页?q=1");
  EXPECT_EQ(list.CellText(0, kIntervalColumn), "45秒");
  EXPECT_EQ(list.CellText(1, kStatusColumn), "正常");

  list.SetCellText(1, kLastTimeColumn, "9时5分7秒");
  EXPECT_EQ(list.CellText(1, kLastTimeColumn), "9时5分7秒");

  list.DeleteRow(0);
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.CellText(0, kAddressColumn), "b");

  list.DeleteAllRows();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(list.CellText(5, kAddressColumn), "");  // no such row: empty, no crash
}

TEST_F(ListViewTest, LongCellTextIsReadWhole) {
  std::string address = "http://example.com/" + std::string(20000, 'a') + "网";
  list.AppendRow({address, "31", "", ""});
  EXPECT_EQ(list.CellText(0, kAddressColumn), address);
}

TEST_F(ListViewTest, SelectedRowsAreAscending) {
  for (int i = 0; i < 5; ++i) list.AppendRow({std::to_string(i), "31", "", ""});
  EXPECT_TRUE(list.SelectedRows().empty());
  for (int row : {3, 1, 4}) ListView_SetItemState(list.handle(), row, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 3, 4}));
}

TEST_F(ListViewTest, WorkerRequestsRunOnTheUiThread) {
  for (int i = 0; i < 4; ++i) list.AppendRow({"site" + std::to_string(i), "31", "", ""});
  std::atomic<int> finished{0};
  std::vector<std::thread> workers;
  std::vector<std::string> seen(4);
  for (int row = 0; row < 4; ++row) {
    workers.emplace_back([&, row] {
      seen[static_cast<std::size_t>(row)] = list.CellText(row, kAddressColumn);
      list.SetCellText(row, kStatusColumn, "丢失");
      ++finished;
    });
  }
  // The workers can only finish while this thread handles their requests.
  EXPECT_TRUE(PumpUntil([&] { return finished == 4; }));
  for (auto& worker : workers) worker.join();
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(seen[static_cast<std::size_t>(row)], "site" + std::to_string(row));
    EXPECT_EQ(list.CellText(row, kStatusColumn), "丢失");
  }
}

TEST(UiThread, PostedTasksRunDuringAWaitInOrder) {
  UiThread uiThread;
  std::vector<int> order;
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) uiThread.Post([&order, i] { order.push_back(i); });
  });
  worker.join();
  EXPECT_TRUE(order.empty());  // nothing runs before messages are handled
  WaitWithMessages(50);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST(WaitWithMessages, ReturnsAfterItsTimeAndKeepsQuitForTheOuterLoop) {
  ULONGLONG start = GetTickCount64();
  WaitWithMessages(200);
  EXPECT_GE(GetTickCount64() - start, 150u);

  PostQuitMessage(7);
  WaitWithMessages(5000);  // ends early at the quit
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(WindowTimers, TicksCarryTheirTagAndCopiesShareTheHandler) {
  HostWindow host;
  WindowTimers timers(host.handle());
  host.timers = &timers;
  std::vector<std::string> ticks;
  WindowTimer& model = timers.Create([&](WindowTimer& timer) { ticks.push_back(timer.tag()); });
  model.SetPeriod(0);  // the template stays idle

  WindowTimer& copy = timers.CreateCopyOf(model);
  copy.SetTag("5");
  copy.SetPeriod(30);
  ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 2; }));
  for (const std::string& tag : ticks) EXPECT_EQ(tag, "5");
  EXPECT_EQ(copy.period(), 30);

  copy.SetPeriod(0);
  ticks.clear();
  WaitWithMessages(150);
  EXPECT_TRUE(ticks.empty());
}

TEST(WindowTimers, AHandlerMayDestroyItsOwnTimer) {
  HostWindow host;
  WindowTimers timers(host.handle());
  host.timers = &timers;
  int ticks = 0;
  WindowTimer& timer = timers.Create([&](WindowTimer& self) {
    ++ticks;
    timers.Destroy(self);
  });
  timer.SetPeriod(20);
  WaitWithMessages(200);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(timers.Count(), 0u);
}

// Finds this process's message box from another thread, reads its title and text,
// and answers it with `answer`.
struct BoxSeen {
  std::string title;
  std::string text;
};

std::thread AnswerMessageBox(BoxSeen& seen, int answer) {
  return std::thread([&seen, answer] {
    for (int attempt = 0; attempt < 500; ++attempt) {
      HWND box = nullptr;
      HWND candidate = nullptr;
      while ((candidate = FindWindowExW(nullptr, candidate, L"#32770", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(candidate, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(candidate)) {
          box = candidate;
          break;
        }
      }
      if (box) {
        wchar_t buffer[256] = {};
        GetWindowTextW(box, buffer, 256);
        seen.title = GbkFromWide(buffer);
        HWND label = FindWindowExW(box, nullptr, L"Static", nullptr);
        while (label && GetWindowTextLengthW(label) == 0)
          label = FindWindowExW(box, label, L"Static", nullptr);
        if (label) seen.text = ControlText(label);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
}

TEST(ShowMessageBox, UntitledBoxesGetTheDefaultCaptionAndReturnThePressedButton) {
  BoxSeen seen;
  std::thread answerer = AnswerMessageBox(seen, IDCANCEL);
  int pressed = ShowMessageBox("没有标题", "", MB_OKCANCEL | MB_ICONQUESTION);
  answerer.join();
  EXPECT_EQ(pressed, IDCANCEL);
  EXPECT_EQ(seen.title, "信息：");
  EXPECT_EQ(seen.text, "没有标题");

  BoxSeen titled;
  answerer = AnswerMessageBox(titled, IDOK);
  EXPECT_EQ(ShowMessageBox("x", "澄望", MB_OK), IDOK);
  answerer.join();
  EXPECT_EQ(titled.title, "澄望");
}

TEST(StartDetachedThread, RunsTheRoutineWithItsArgument) {
  std::atomic<int> received{-1};
  ASSERT_TRUE(StartDetachedThread([&](std::int32_t value) { received = value; }, 42));
  EXPECT_TRUE(PumpUntil([&] { return received == 42; }));
  // A routine that throws ends alone; the process goes on.
  std::atomic<bool> ran{false};
  ASSERT_TRUE(StartDetachedThread(
      [&](std::int32_t) {
        ran = true;
        throw std::runtime_error("ignored");
      },
      0));
  EXPECT_TRUE(PumpUntil([&] { return ran.load(); }));
}

}  // namespace
}  // namespace cw
