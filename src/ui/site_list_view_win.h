// The main window's report list view of sites. It is the SiteRows the program's
// logic works on; calls from worker threads are carried out on the UI thread.
#pragma once

#include <windows.h>

#include "ui/site_rows.h"
#include "ui/ui_thread_win.h"

namespace cw {

class SiteListView : public SiteRows {
 public:
  // Creates the control as a child of `parent` (on the UI thread).
  SiteListView(HWND parent, int controlId, const UiThread& uiThread);
  SiteListView(const SiteListView&) = delete;
  SiteListView& operator=(const SiteListView&) = delete;

  HWND handle() const { return list_; }

  // Column widths follow the window's DPI.
  void ApplyDpi(int dpi);

  int RowCount() const override;
  std::string CellText(int row, int column) const override;
  void SetCellText(int row, int column, const std::string& text) override;
  void AppendRow(const SiteRow& row) override;
  void DeleteRow(int row) override;
  void DeleteAllRows() override;
  std::vector<int> SelectedRows() const override;

 private:
  HWND list_ = nullptr;
  const UiThread& uiThread_;
};

}  // namespace cw
