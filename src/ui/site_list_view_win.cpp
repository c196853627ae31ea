#include "ui/site_list_view_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

struct ColumnLayout {
  const char* title;
  int width;  // at 96 DPI
};

constexpr ColumnLayout kColumns[] = {
    {"监控网址", 400},
    {"间隔(秒)", 80},
    {"上次时间", 130},
    {"状态", 70},
};

void SetItemText(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = WideFromGbk(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

SiteListView::SiteListView(HWND parent, int controlId, const UiThread& uiThread) : uiThread_(uiThread) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                          GetModuleHandleW(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  int dpi = WindowDpi(parent);
  for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
    std::wstring title = WideFromGbk(kColumns[column].title);
    LVCOLUMNW layout{};
    layout.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    layout.pszText = title.data();
    layout.cx = ScaleForDpi(kColumns[column].width, dpi);
    layout.iSubItem = column;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&layout));
  }
}

void SiteListView::ApplyDpi(int dpi) {
  for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
    ListView_SetColumnWidth(list_, column, ScaleForDpi(kColumns[column].width, dpi));
  }
}

int SiteListView::RowCount() const {
  int count = 0;
  uiThread_.Run([&] { count = ListView_GetItemCount(list_); });
  return count;
}

std::string SiteListView::CellText(int row, int column) const {
  std::string text;
  uiThread_.Run([&] {
    // Grow the buffer until the text fits: a cell may hold a long address.
    for (int capacity = 1024; capacity <= (1 << 24); capacity *= 4) {
      std::wstring buffer(static_cast<std::size_t>(capacity), L'\0');
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = buffer.data();
      item.cchTextMax = capacity;
      int length = static_cast<int>(
          SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
      if (length < capacity - 1) {
        text = GbkFromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(length)));
        return;
      }
    }
  });
  return text;
}

void SiteListView::SetCellText(int row, int column, const std::string& text) {
  uiThread_.Run([&] { SetItemText(list_, row, column, text); });
}

void SiteListView::AppendRow(const SiteRow& row) {
  uiThread_.Run([&] {
    std::wstring address = WideFromGbk(row.address);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list_);
    item.pszText = address.data();
    int index = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) return;
    SetItemText(list_, index, kIntervalColumn, row.interval);
    SetItemText(list_, index, kLastTimeColumn, row.lastTime);
    SetItemText(list_, index, kStatusColumn, row.status);
  });
}

void SiteListView::DeleteRow(int row) {
  uiThread_.Run([&] { ListView_DeleteItem(list_, row); });
}

void SiteListView::DeleteAllRows() {
  uiThread_.Run([&] { ListView_DeleteAllItems(list_); });
}

std::vector<int> SiteListView::SelectedRows() const {
  std::vector<int> rows;
  uiThread_.Run([&] {
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
      rows.push_back(row);
    }
  });
  return rows;
}

}  // namespace cw
