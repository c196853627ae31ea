#include "harness/list_view_reader_win.h"

#include <commctrl.h>

#include <algorithm>

#include "harness/remote_memory_win.h"
#include "harness/window_messages_win.h"

namespace cw::e2e {
namespace {

// Room for the longest value an INI line can hold, and then some.
constexpr int kTextCapacity = 16384;
constexpr size_t kTextOffset = 256;  // the text follows the item record in the block
static_assert(sizeof(LVITEMW) <= kTextOffset && sizeof(LVCOLUMNW) <= kTextOffset);
constexpr size_t kBlockSize = kTextOffset + kTextCapacity * sizeof(wchar_t);

std::wstring ReadRemoteText(const RemoteMemory& block, size_t length) {
  std::wstring text(std::min<size_t>(length, kTextCapacity - 1), L'\0');
  if (!text.empty() && !block.Read(text.data(), text.size() * sizeof(wchar_t), kTextOffset)) return {};
  return text;
}

std::wstring CellTextIn(const RemoteMemory& block, HWND list, int row, int column) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = static_cast<wchar_t*>(block.At(kTextOffset));
  item.cchTextMax = kTextCapacity;
  if (!block.WriteValue(item)) return {};
  const auto length = SendWithTimeout(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.AsParam());
  if (!length || *length <= 0) return {};
  return ReadRemoteText(block, static_cast<size_t>(*length));
}

}  // namespace

int ListViewReader::RowCount() const {
  const auto count = SendWithTimeout(list_, LVM_GETITEMCOUNT, 0, 0);
  return count ? static_cast<int>(*count) : -1;
}

std::vector<ListColumn> ListViewReader::Columns() const {
  std::vector<ListColumn> columns;
  RemoteMemory block(process_, kBlockSize);
  if (!block.Valid()) return columns;
  for (int index = 0;; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = static_cast<wchar_t*>(block.At(kTextOffset));
    column.cchTextMax = kTextCapacity;
    const wchar_t nothing = L'\0';
    if (!block.WriteValue(column) || !block.WriteValue(nothing, kTextOffset)) break;
    const auto found = SendWithTimeout(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(index), block.AsParam());
    if (!found || *found == 0 || !block.ReadValue(column)) break;
    std::vector<wchar_t> text(kTextCapacity);
    if (!block.Read(text.data(), text.size() * sizeof(wchar_t), kTextOffset)) break;
    text.back() = L'\0';
    columns.push_back({text.data(), column.cx});
  }
  return columns;
}

std::wstring ListViewReader::CellText(int row, int column) const {
  RemoteMemory block(process_, kBlockSize);
  return block.Valid() ? CellTextIn(block, list_, row, column) : std::wstring();
}

std::vector<ListRow> ListViewReader::Rows() const {
  std::vector<ListRow> rows;
  const int rowCount = RowCount();
  const int columnCount = static_cast<int>(Columns().size());
  RemoteMemory block(process_, kBlockSize);
  if (!block.Valid()) return rows;
  for (int row = 0; row < rowCount; ++row) {
    ListRow cells;
    for (int column = 0; column < columnCount; ++column)
      cells.push_back(CellTextIn(block, list_, row, column));
    rows.push_back(std::move(cells));
  }
  return rows;
}

std::vector<int> ListViewReader::SelectedRows() const {
  std::vector<int> selected;
  int row = -1;
  for (;;) {
    const auto next = SendWithTimeout(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED);
    if (!next || *next < 0) return selected;
    row = static_cast<int>(*next);
    selected.push_back(row);
  }
}

}  // namespace cw::e2e
