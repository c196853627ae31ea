// Reading a report-style list view of another process: columns, rows, cell texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cw::e2e {

struct ListColumn {
  std::wstring title;
  int width = 0;
};

using ListRow = std::vector<std::wstring>;

class ListViewReader {
 public:
  // `process` needs the rights to allocate, read and write memory in it.
  ListViewReader(HANDLE process, HWND list) : process_(process), list_(list) {}

  int RowCount() const;
  std::vector<ListColumn> Columns() const;
  std::wstring CellText(int row, int column) const;
  // Every row with one text per column.
  std::vector<ListRow> Rows() const;
  // Indexes of the selected rows, ascending.
  std::vector<int> SelectedRows() const;

 private:
  HANDLE process_;
  HWND list_;
};

}  // namespace cw::e2e
