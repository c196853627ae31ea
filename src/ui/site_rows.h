// The site list as the program's logic sees it: the rows of the main window's list
// view, four text columns each. The list view is the only copy of the sites while
// the program runs; this interface is how everything else reaches it.
#pragma once

#include <string>
#include <vector>

namespace cw {

enum SiteColumn : int { kAddressColumn = 0, kIntervalColumn = 1, kLastTimeColumn = 2, kStatusColumn = 3 };

struct SiteRow {
  std::string address;
  std::string interval;
  std::string lastTime;
  std::string status;
};

class SiteRows {
 public:
  virtual ~SiteRows() = default;
  virtual int RowCount() const = 0;
  virtual std::string CellText(int row, int column) const = 0;
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  virtual void AppendRow(const SiteRow& row) = 0;
  virtual void DeleteRow(int row) = 0;
  virtual void DeleteAllRows() = 0;
  // Indexes of the selected rows, ascending.
  virtual std::vector<int> SelectedRows() const = 0;
};

}  // namespace cw
