// The site list's rows held in memory, standing in for the main window's list view.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ui/site_rows.h"

namespace cw {

// Rows compare by all four texts, and print as such when a test fails.
inline bool operator==(const SiteRow& a, const SiteRow& b) {
  return a.address == b.address && a.interval == b.interval && a.lastTime == b.lastTime &&
         a.status == b.status;
}

inline void PrintTo(const SiteRow& row, std::ostream* out) {
  *out << "{" << ::testing::PrintToString(row.address) << ", " << ::testing::PrintToString(row.interval)
       << ", " << ::testing::PrintToString(row.lastTime) << ", " << ::testing::PrintToString(row.status)
       << "}";
}

namespace test {

class FakeSiteRows : public SiteRows {
  // The row's text in a column, const or not as the rows are.
  template <typename Rows>
  static auto& CellIn(Rows& rows, int row, int column) {
    auto& r = rows.at(static_cast<std::size_t>(row));
    switch (column) {
      case kAddressColumn:
        return r.address;
      case kIntervalColumn:
        return r.interval;
      case kLastTimeColumn:
        return r.lastTime;
      default:
        return r.status;
    }
  }

 public:
  FakeSiteRows() = default;
  explicit FakeSiteRows(std::vector<SiteRow> rows) : rows_(std::move(rows)) {}

  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string CellText(int row, int column) const override { return CellIn(rows_, row, column); }
  void SetCellText(int row, int column, const std::string& text) override {
    CellIn(rows_, row, column) = text;
  }
  void AppendRow(const SiteRow& row) override { rows_.push_back(row); }
  void DeleteRow(int row) override { rows_.erase(rows_.begin() + row); }
  void DeleteAllRows() override { rows_.clear(); }
  std::vector<int> SelectedRows() const override { return {}; }

  const std::vector<SiteRow>& rows() const { return rows_; }

 private:
  std::vector<SiteRow> rows_;
};

}  // namespace test
}  // namespace cw
