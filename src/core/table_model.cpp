#include "core/table_model.h"

#include <algorithm>
#include <limits>

#include "core/cell_rules.h"
#include "core/clipboard_text.h"

namespace pfedit {
namespace {

const std::vector<std::string> kNoItems;

}  // namespace

TableModel::TableModel(int columns, int rows) {
  types_.push_back(TypeEntry{CellType(), {}});
  styles_.emplace_back();
  columns_.resize(1);
  columns_[0].width = 500;
  SetColumnCount(columns);
  SetRowCount(rows);
}

void TableModel::AddViewListener(TableViewListener* listener) {
  if (listener != nullptr) listeners_.push_back(listener);
}

void TableModel::RemoveViewListener(TableViewListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

template <typename Call>
void TableModel::Notify(Call call) {
  if (suspended_ > 0) {
    if (!reset_pending_) {
      reset_pending_ = true;
      for (size_t i = 0; i < listeners_.size(); ++i) listeners_[i]->AboutToReset();
    }
    return;
  }
  for (size_t i = 0; i < listeners_.size(); ++i) call(*listeners_[i]);
}

// ---- Size

void TableModel::SetRowCount(int rows) {
  ForgetLocated();
  rows = std::max(rows, 0);
  const int old_count = RowCount();
  if (rows > old_count) {
    Notify([&](TableViewListener& l) { l.RowsAboutToBeInserted(old_count + 1, rows); });
    rows_.resize(static_cast<size_t>(rows));
    ForgetLocated();
    Notify([&](TableViewListener& l) { l.RowsInserted(old_count + 1, rows); });
  } else if (rows < old_count) {
    Notify([&](TableViewListener& l) { l.RowsAboutToBeRemoved(rows + 1, old_count); });
    rows_.erase(rows_.begin() + rows, rows_.end());
    ForgetLocated();
    Notify([&](TableViewListener& l) { l.RowsRemoved(rows + 1, old_count); });
  }
  ClampPositions();
}

void TableModel::SetColumnCount(int columns) {
  columns = std::max(columns, 0);
  const int old_count = ColumnCount();
  if (columns == old_count) return;
  const bool growing = columns > old_count;
  ForgetLocated();
  const int first = std::min(columns, old_count) + 1;
  const int last = std::max(columns, old_count);
  Notify([&](TableViewListener& l) {
    growing ? l.ColumnsAboutToBeInserted(first, last) : l.ColumnsAboutToBeRemoved(first, last);
  });
  columns_.resize(static_cast<size_t>(columns) + 1);
  if (!growing) {
    for (Row& row : rows_) {
      row.cells.resize(Locate(row.cells, columns + 1).begin);
      ForgetLocated();
    }
  }
  Notify([&](TableViewListener& l) {
    growing ? l.ColumnsInserted(first, last) : l.ColumnsRemoved(first, last);
  });
  ClampPositions();
}

// Keeps the active cell, the selection and the top row inside a grid that
// has shrunk.
void TableModel::ClampPositions() {
  const int column = std::clamp(active_column_, 1, std::max(ColumnCount(), 1));
  const int row = std::clamp(active_row_, 1, std::max(RowCount(), 1));
  if (column != active_column_ || row != active_row_) {
    active_column_ = column;
    active_row_ = row;
    Notify([&](TableViewListener& l) { l.ActiveCellChanged(column, row); });
  }
  top_row_ = std::clamp(top_row_, 1, std::max(RowCount(), 1));
  if (!has_selection_) return;
  CellBlock clipped = selection_;
  clipped.last_row = std::min(clipped.last_row, RowCount());
  if (!clipped.WholeRows()) clipped.last_column = std::min(clipped.last_column, ColumnCount());
  if (clipped == selection_) return;
  if (clipped.first_row > clipped.last_row || clipped.first_column > clipped.last_column) {
    has_selection_ = false;
  } else {
    selection_ = clipped;
  }
  Notify([](TableViewListener& l) { l.SelectionChanged(); });
}

// ---- Cells

namespace {

// Writes the varint at `out`, which has room for ten bytes; returns its size.
std::size_t PutVarint(char* out, uint64_t value) {
  std::size_t size = 0;
  while (value >= 0x80) {
    out[size++] = static_cast<char>((value & 0x7F) | 0x80);
    value >>= 7;
  }
  out[size++] = static_cast<char>(value);
  return size;
}

// The buffer is the model's own, so it is never short of a varint's bytes.
uint64_t GetVarint(std::string_view bytes, std::size_t& position) {
  uint64_t value = 0;
  for (int shift = 0; position < bytes.size(); shift += 7) {
    const auto byte = static_cast<unsigned char>(bytes[position++]);
    value |= static_cast<uint64_t>(byte & 0x7F) << shift;
    if (byte < 0x80) break;
  }
  return value;
}

// A list cell's bytes: none for no item, else the index + 1.
std::string ListBytes(int index) {
  char bytes[10];
  return std::string(bytes, index >= 0 ? PutVarint(bytes, static_cast<uint64_t>(index) + 1) : 0);
}

int ListIndexOfBytes(std::string_view bytes) {
  std::size_t position = 0;
  return bytes.empty() ? -1 : static_cast<int>(GetVarint(bytes, position)) - 1;
}

// Grows the buffer to at least `size` with a little room, so that filling a
// row cell by cell moves it a few times, and never doubles it as std::string
// would: a loaded grid is mostly these buffers.
void MakeRoom(std::string& buffer, std::size_t size) {
  if (size <= buffer.capacity()) return;
  std::string grown;
  grown.reserve(size + size / 8 + 16);
  grown.append(buffer);
  buffer.swap(grown);
}

}  // namespace

TableModel::Slot TableModel::Locate(const std::string& cells, int column) const {
  std::vector<std::size_t>& begins = located_.begins;
  if (located_.cells != &cells) {
    begins.clear();
    for (std::size_t position = 0; position < cells.size();) {
      begins.push_back(position);
      GetVarint(cells, position);
      position += static_cast<std::size_t>(GetVarint(cells, position));
    }
    begins.push_back(cells.size());
    located_.cells = &cells;
  }
  Slot slot;
  slot.cells = static_cast<int>(begins.size()) - 1;
  if (column > slot.cells) {
    slot.begin = slot.bytes = slot.end = cells.size();
    return slot;
  }
  std::size_t position = begins[static_cast<std::size_t>(column) - 1];
  slot.begin = position;
  slot.style = static_cast<uint32_t>(GetVarint(cells, position));
  const auto length = static_cast<std::size_t>(GetVarint(cells, position));
  slot.bytes = position;
  slot.end = position + length;
  slot.present = true;
  return slot;
}

std::string_view TableModel::TextOf(const Row& row, const Slot& slot) const {
  const std::string_view bytes(row.cells.data() + slot.bytes, slot.end - slot.bytes);
  const TypeEntry& entry = EntryOf(slot.style);
  if (entry.type.kind != CellKind::kList) return bytes;
  const int index = ListIndexOfBytes(bytes);
  return index >= 0 && static_cast<std::size_t>(index) < entry.items.size()
             ? std::string_view(entry.items[static_cast<std::size_t>(index)])
             : std::string_view();
}

void TableModel::WriteCell(std::string& cells, int column, uint32_t style, std::string_view bytes) {
  std::string own;
  if (bytes.data() >= cells.data() && bytes.data() < cells.data() + cells.size()) {
    own.assign(bytes);
    bytes = own;
  }
  char header[20];
  std::size_t header_size = PutVarint(header, style);
  header_size += PutVarint(header + header_size, bytes.size());
  const Slot slot = Locate(cells, column);
  std::vector<std::size_t>& begins = located_.begins;
  if (!slot.present) {
    if (style == 0 && bytes.empty()) return;  // as a missing cell reads
    // Empty cells of style 0 up to this one.
    begins.pop_back();
    for (int missing = slot.cells + 1; missing < column; ++missing) {
      begins.push_back(cells.size() + 2 * static_cast<std::size_t>(missing - slot.cells - 1));
    }
    const auto padding = static_cast<std::size_t>(column - 1 - slot.cells) * 2;
    MakeRoom(cells, cells.size() + padding + header_size + bytes.size());
    cells.append(padding, '\0');
    begins.push_back(cells.size());
    cells.append(header, header_size);
    cells += bytes;
    begins.push_back(cells.size());
    return;
  }
  MakeRoom(cells, cells.size() - (slot.end - slot.begin) + header_size + bytes.size());
  cells.replace(slot.bytes, slot.end - slot.bytes, bytes.data(), bytes.size());
  cells.replace(slot.begin, slot.bytes - slot.begin, header, header_size);
  // The cells after this one moved by the change of its size.
  const std::size_t old_size = slot.end - slot.begin;
  for (std::size_t i = static_cast<std::size_t>(column); i < begins.size(); ++i) {
    begins[i] = begins[i] - old_size + header_size + bytes.size();
  }
}

uint32_t TableModel::StyleId(const Style& style) {
  // Rows are set up cell by cell, column after column, in the same styles.
  if (last_style_ < styles_.size() && styles_[last_style_] == style) return last_style_;
  const auto found = std::find(styles_.begin(), styles_.end(), style);
  last_style_ = static_cast<uint32_t>(found - styles_.begin());
  if (found == styles_.end()) styles_.push_back(style);
  return last_style_;
}

template <typename Change>
bool TableModel::Restyle(int column, int row, Change change) {
  if (!IsDataCell(column, row)) return false;
  std::string& cells = RowAt(row).cells;
  const Slot slot = Locate(cells, column);
  Style style = styles_[slot.style];
  change(style);
  if (style == styles_[slot.style]) return false;
  const uint32_t id = StyleId(style);
  WriteCell(cells, column, id, std::string_view(cells).substr(slot.bytes, slot.end - slot.bytes));
  return true;
}

std::string_view TableModel::Text(int column, int row) const {
  if (row == 0 && column >= 0 && column <= ColumnCount()) {
    return columns_[static_cast<size_t>(column)].header;
  }
  if (column == 0 && row >= 1 && row <= RowCount()) return RowAt(row).header;
  if (!IsDataCell(column, row)) return {};
  return TextOf(RowAt(row), column);
}

void TableModel::SetText(int column, int row, std::string_view text) {
  if (row == 0 && column >= 0 && column <= ColumnCount()) {
    columns_[static_cast<size_t>(column)].header.assign(text);
    Notify([&](TableViewListener& l) { l.HeadersChanged(true, column, column); });
    return;
  }
  if (column == 0 && row >= 1 && row <= RowCount()) {
    RowAt(row).header.assign(text);
    Notify([&](TableViewListener& l) { l.HeadersChanged(false, row, row); });
    return;
  }
  if (IsDataCell(column, row) && Assign(column, row, text)) {
    ForgetViewRowHeight(row);
    Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
  }
}

bool TableModel::Assign(int column, int row, std::string_view text) {
  std::string& cells = RowAt(row).cells;
  const Slot slot = Locate(cells, column);
  const TypeEntry& entry = EntryOf(slot.style);
  const std::string_view bytes = std::string_view(cells).substr(slot.bytes, slot.end - slot.bytes);
  switch (entry.type.kind) {
    case CellKind::kList:
      return AssignValue(column, row, ListIndexOf(entry.items, text));
    case CellKind::kCheckBox:
      return AssignValue(column, row, CheckBoxValueOf(text));
    case CellKind::kWholeNumber: {
      // "007" and "7" are one number: keeping the typed zeros would let them
      // reach the file and make equal numbers compare as different texts.
      const std::string plain = WholeNumberCellText(text);
      if (bytes == plain) return false;
      WriteCell(cells, column, slot.style, plain);
      return true;
    }
    default:
      if (bytes == text) return false;
      WriteCell(cells, column, slot.style, text);
      return true;
  }
}

bool TableModel::AssignValue(int column, int row, int value) {
  std::string& cells = RowAt(row).cells;
  const Slot slot = Locate(cells, column);
  const TypeEntry& entry = EntryOf(slot.style);
  std::string wanted;
  switch (entry.type.kind) {
    case CellKind::kList:
      wanted =
          ListBytes(value >= 0 && static_cast<size_t>(value) < entry.items.size() ? value : -1);
      break;
    case CellKind::kCheckBox:
      wanted = value != 0 ? "1" : "0";
      break;
    default:
      wanted = std::to_string(value);
      break;
  }
  if (std::string_view(cells).substr(slot.bytes, slot.end - slot.bytes) == wanted) return false;
  WriteCell(cells, column, slot.style, wanted);
  return true;
}

int TableModel::Value(int column, int row) const {
  if (!IsDataCell(column, row)) return 0;
  const Row& target = RowAt(row);
  const Slot slot = Locate(target.cells, column);
  const std::string_view bytes =
      std::string_view(target.cells).substr(slot.bytes, slot.end - slot.bytes);
  switch (EntryOf(slot.style).type.kind) {
    case CellKind::kList:
      return ListIndexOfBytes(bytes);
    case CellKind::kCheckBox:
      return bytes == "1" ? 1 : 0;
    default:
      return NumberOfCellText(bytes);
  }
}

void TableModel::SetValue(int column, int row, int value) {
  if (IsDataCell(column, row) && AssignValue(column, row, value)) {
    ForgetViewRowHeight(row);
    Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
  }
}

const CellType& TableModel::Type(int column, int row) const {
  if (!IsDataCell(column, row)) return types_[0].type;
  return EntryOf(Locate(RowAt(row).cells, column).style).type;
}

void TableModel::SetType(int column, int row, const CellType& type) {
  if (IsDataCell(column, row)) SetTypeId(column, row, TypeId(type));
}

int TableModel::TypeId(const CellType& type) {
  for (size_t i = 0; i < types_.size(); ++i) {
    if (types_[i].type == type) return static_cast<int>(i);
  }
  // A style keeps its type in 16 bits; real grids use a dozen types.
  if (types_.size() > std::numeric_limits<uint16_t>::max()) return 0;
  types_.push_back(TypeEntry{type, type.kind == CellKind::kList ? SplitListItems(type.items)
                                                                : std::vector<std::string>()});
  return static_cast<int>(types_.size()) - 1;
}

void TableModel::SetTypeId(int column, int row, int type_id) {
  if (!IsDataCell(column, row) || type_id < 0 || static_cast<size_t>(type_id) >= types_.size()) {
    return;
  }
  std::string& cells = RowAt(row).cells;
  const Slot slot = Locate(cells, column);
  Style style = styles_[slot.style];
  if (style.type == type_id) return;
  // The text is read under the old type and written under the new one.
  const std::string text(TextOf(RowAt(row), slot));
  style.type = static_cast<uint16_t>(type_id);
  WriteCell(cells, column, StyleId(style), {});
  Assign(column, row, text);
  ForgetViewRowHeight(row);
  Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
}

bool TableModel::Locked(int column, int row) const {
  return IsDataCell(column, row) && styles_[Locate(RowAt(row).cells, column).style].locked;
}

void TableModel::SetLocked(int column, int row, bool locked) {
  if (!Restyle(column, row, [&](Style& style) { style.locked = locked; })) return;
  Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
}

Colour TableModel::Background(int column, int row) const {
  if (!IsDataCell(column, row)) return kWhite;
  return styles_[Locate(RowAt(row).cells, column).style].background;
}

void TableModel::SetBackground(int column, int row, Colour colour) {
  if (!Restyle(column, row, [&](Style& style) { style.background = colour; })) return;
  Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
}

const std::vector<std::string>& TableModel::ListItems(int column, int row) const {
  if (!IsDataCell(column, row)) return kNoItems;
  return EntryOf(Locate(RowAt(row).cells, column).style).items;
}

EntryCheck TableModel::CheckEntry(int column, int row, std::string_view text) const {
  return CheckCellEntry(Type(column, row), ListItems(column, row), text);
}

// ---- Layout

int TableModel::ColumnWidth(int column) const {
  return column >= 0 && column <= ColumnCount() ? columns_[static_cast<size_t>(column)].width : 0;
}

void TableModel::SetColumnWidth(int column, int twips) {
  if (column < 0 || column > ColumnCount()) return;
  columns_[static_cast<size_t>(column)].width = std::max(twips, 0);
  Notify([&](TableViewListener& l) { l.ColumnLayoutChanged(column, column); });
}

bool TableModel::ColumnHidden(int column) const {
  return column >= 0 && column <= ColumnCount() && columns_[static_cast<size_t>(column)].hidden;
}

void TableModel::SetColumnHidden(int column, bool hidden) {
  if (column < 0 || column > ColumnCount()) return;
  columns_[static_cast<size_t>(column)].hidden = hidden;
  Notify([&](TableViewListener& l) { l.ColumnLayoutChanged(column, column); });
}

bool TableModel::RowHidden(int row) const {
  return row >= 1 && row <= RowCount() && rows_[static_cast<size_t>(row) - 1].hidden;
}

void TableModel::SetRowHidden(int row, bool hidden) {
  if (row < 1 || row > RowCount()) return;
  rows_[static_cast<size_t>(row) - 1].hidden = hidden;
  Notify([&](TableViewListener& l) { l.RowLayoutChanged(row, row); });
}

void TableModel::FitRowHeight(int row) {
  if (row < 1 || row > RowCount()) return;
  Row& target = rows_[static_cast<size_t>(row) - 1];
  int lines = 1;
  for (int column = 1; column <= ColumnCount(); ++column) {
    const std::string_view text = TextOf(target, column);
    lines = std::max(lines, 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')));
  }
  target.fitted = true;
  target.lines = lines;
  Notify([&](TableViewListener& l) { l.RowLayoutChanged(row, row); });
}

int TableModel::ViewRowHeight(int row) const {
  return row >= 1 && row <= RowCount() ? rows_[static_cast<size_t>(row) - 1].view_height : 0;
}

void TableModel::SetViewRowHeight(int row, int height) {
  if (row >= 1 && row <= RowCount()) rows_[static_cast<size_t>(row) - 1].view_height = height;
}

void TableModel::ForgetViewRowHeight(int row) {
  SetViewRowHeight(row, 0);
}

void TableModel::ForgetViewRowHeights() {
  for (Row& row : rows_) row.view_height = 0;
}

bool TableModel::RowFitted(int row) const {
  return row >= 1 && row <= RowCount() && rows_[static_cast<size_t>(row) - 1].fitted;
}

int TableModel::RowLines(int row) const {
  return row >= 1 && row <= RowCount() ? rows_[static_cast<size_t>(row) - 1].lines : 1;
}

// ---- Active cell and scrolling

void TableModel::SetActiveCell(int column, int row) {
  active_column_ = std::clamp(column, 1, std::max(ColumnCount(), 1));
  active_row_ = std::clamp(row, 1, std::max(RowCount(), 1));
  Notify([&](TableViewListener& l) { l.ActiveCellChanged(active_column_, active_row_); });
}

void TableModel::SetTopRow(int row) {
  top_row_ = std::clamp(row, 1, std::max(RowCount(), 1));
  Notify([&](TableViewListener& l) { l.TopRowChanged(top_row_); });
}

// ---- Rows

void TableModel::InsertRow() {
  ForgetLocated();
  const int count = RowCount();
  if (count == 0) return;
  const int row = std::clamp(active_row_, 1, count);
  Notify([&](TableViewListener& l) { l.RowsAboutToBeRemoved(count, count); });
  rows_.pop_back();
  ForgetLocated();
  Notify([&](TableViewListener& l) { l.RowsRemoved(count, count); });
  Notify([&](TableViewListener& l) { l.RowsAboutToBeInserted(row, row); });
  rows_.insert(rows_.begin() + (row - 1), Row());
  ForgetLocated();
  Notify([&](TableViewListener& l) { l.RowsInserted(row, row); });
}

void TableModel::DeleteRows(int first_row, int count) {
  ForgetLocated();
  const int row_count = RowCount();
  if (first_row < 1 || first_row > row_count || count <= 0) return;
  const int last_row = std::min(first_row + count - 1, row_count);
  const int removed = last_row - first_row + 1;
  Notify([&](TableViewListener& l) { l.RowsAboutToBeRemoved(first_row, last_row); });
  rows_.erase(rows_.begin() + (first_row - 1), rows_.begin() + last_row);
  ForgetLocated();
  Notify([&](TableViewListener& l) { l.RowsRemoved(first_row, last_row); });
  const int first_new = row_count - removed + 1;
  Notify([&](TableViewListener& l) { l.RowsAboutToBeInserted(first_new, row_count); });
  rows_.resize(static_cast<size_t>(row_count));
  ForgetLocated();
  Notify([&](TableViewListener& l) { l.RowsInserted(first_new, row_count); });
}

void TableModel::SortRows(int first_row, int last_row, const std::vector<int>& key_columns,
                          std::vector<int>* old_rows) {
  first_row = std::max(first_row, 1);
  last_row = std::min(last_row, RowCount());
  if (old_rows != nullptr) old_rows->clear();
  if (first_row > last_row) return;
  const auto count = static_cast<size_t>(last_row - first_row + 1);
  std::vector<size_t> keys;
  for (const int column : key_columns) {
    if (column >= 1 && column <= ColumnCount()) keys.push_back(static_cast<size_t>(column) - 1);
  }
  // Each key is read once per row rather than once per comparison; numbers
  // would otherwise be parsed again and again.
  std::vector<CellSortKey> sort_keys(count * keys.size());
  for (size_t i = 0; i < count; ++i) {
    const int row = first_row + static_cast<int>(i);
    for (size_t k = 0; k < keys.size(); ++k) {
      const int column = static_cast<int>(keys[k]) + 1;
      sort_keys[i * keys.size() + k] =
          SortKeyOf(Type(column, row), Text(column, row), Value(column, row));
    }
  }
  std::vector<size_t> order(count);
  for (size_t i = 0; i < count; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (size_t k = 0; k < keys.size(); ++k) {
      const int result =
          CompareSortKeys(sort_keys[a * keys.size() + k], sort_keys[b * keys.size() + k]);
      if (result != 0) return result < 0;
    }
    return false;
  });
  // The keys point into the rows, so they are done with before rows move.
  sort_keys.clear();
  ForgetLocated();
  std::vector<Row> sorted;
  sorted.reserve(count);
  const auto first = rows_.begin() + (first_row - 1);
  for (const size_t i : order) sorted.push_back(std::move(first[static_cast<std::ptrdiff_t>(i)]));
  std::move(sorted.begin(), sorted.end(), first);
  ForgetLocated();
  if (old_rows != nullptr) {
    old_rows->reserve(count);
    for (const size_t i : order) old_rows->push_back(first_row + static_cast<int>(i));
  }
  if (count < 2) return;
  Notify([&](TableViewListener& l) {
    l.CellsChanged(1, first_row, ColumnCount(), last_row);
    l.HeadersChanged(false, first_row, last_row);
    l.RowLayoutChanged(first_row, last_row);
  });
}

// ---- Drawing

void TableModel::SuspendDrawing() {
  ++suspended_;
}

void TableModel::ResumeDrawing() {
  if (suspended_ == 0 || --suspended_ > 0 || !reset_pending_) return;
  reset_pending_ = false;
  for (size_t i = 0; i < listeners_.size(); ++i) listeners_[i]->Reset();
}

// ---- Selection

CellBlock TableModel::Selection() const {
  if (has_selection_) return selection_;
  return CellBlock{active_column_, active_column_, active_row_, active_row_};
}

void TableModel::SetSelection(const CellBlock& block) {
  CellBlock normal = block;
  if (normal.first_column == -1 || normal.last_column == -1) {
    normal.first_column = normal.last_column = -1;
  } else if (normal.first_column > normal.last_column) {
    std::swap(normal.first_column, normal.last_column);
  }
  if (normal.first_row > normal.last_row) std::swap(normal.first_row, normal.last_row);
  has_selection_ = true;
  selection_ = normal;
  Notify([](TableViewListener& l) { l.SelectionChanged(); });
}

void TableModel::ClearSelection() {
  has_selection_ = false;
  Notify([](TableViewListener& l) { l.SelectionChanged(); });
}

CellBlock TableModel::ClippedSelection() const {
  CellBlock block = Selection();
  if (block.WholeRows()) {
    block.first_column = 1;
    block.last_column = ColumnCount();
  }
  block.first_column = std::max(block.first_column, 1);
  block.last_column = std::min(block.last_column, ColumnCount());
  block.first_row = std::max(block.first_row, 1);
  block.last_row = std::min(block.last_row, RowCount());
  return block;
}

// ---- Clipboard

std::string TableModel::CopySelection() const {
  const CellBlock block = ClippedSelection();
  if (block.first_column > block.last_column) return {};
  ClipboardTextWriter text;
  for (int row = block.first_row; row <= block.last_row; ++row) {
    for (int column = block.first_column; column <= block.last_column; ++column) {
      text.AddCell(TextOf(RowAt(row), column));
    }
    text.EndRow();
  }
  return text.Take();
}

std::string TableModel::CutSelection() {
  const CellBlock block = ClippedSelection();
  std::string text = CopySelection();
  if (text.empty()) return text;
  for (int row = block.first_row; row <= block.last_row; ++row) {
    for (int column = block.first_column; column <= block.last_column; ++column) {
      if (Assign(column, row, {})) ForgetViewRowHeight(row);
    }
  }
  Notify([&](TableViewListener& l) {
    l.CellsChanged(block.first_column, block.first_row, block.last_column, block.last_row);
  });
  return text;
}

void TableModel::PasteAtSelection(std::string_view text) {
  const CellBlock block = Selection();
  const int first_column = block.WholeRows() ? 1 : std::max(block.first_column, 1);
  const int first_row = std::max(block.first_row, 1);
  ForEachClipboardCell(
      text, [&](std::size_t column_offset, std::size_t row_offset, std::string_view field) {
        // Offsets beyond the grid cannot name a cell; checking them first keeps
        // the sums below from overflowing.
        if (column_offset >= static_cast<std::size_t>(ColumnCount()) ||
            row_offset >= static_cast<std::size_t>(RowCount())) {
          return;
        }
        const int column = first_column + static_cast<int>(column_offset);
        const int row = first_row + static_cast<int>(row_offset);
        // The observer may change the grid while it hears of each cell, so the
        // cell is looked up afresh every time.
        if (IsDataCell(column, row) && AcceptsText(column, row, field)) {
          if (Assign(column, row, field)) ForgetViewRowHeight(row);
          ReportUserChange(column, row);
        }
      });
}

// ---- The user's actions

bool TableModel::CanUserEdit(int column, int row) const {
  if (!IsDataCell(column, row)) return false;
  const uint32_t style = Locate(RowAt(row).cells, column).style;
  return !styles_[style].locked && EntryOf(style).type.kind != CellKind::kStatic;
}

void TableModel::ReportUserChange(int column, int row) {
  Notify([&](TableViewListener& l) { l.CellsChanged(column, row, column, row); });
  if (observer_ != nullptr) observer_->OnChange(column, row);
}

bool TableModel::BeginEdit(int column, int row) {
  if (!CanUserEdit(column, row)) return false;
  if (observer_ != nullptr) observer_->OnEditStart(column, row);
  return true;
}

bool TableModel::CommitEdit(int column, int row, std::string_view text) {
  if (!CanUserEdit(column, row) || !AcceptsText(column, row, text)) return false;
  if (Assign(column, row, text)) {
    ForgetViewRowHeight(row);
    ReportUserChange(column, row);
  }
  return true;
}

bool TableModel::CommitValue(int column, int row, int value) {
  if (!CanUserEdit(column, row)) return false;
  const CellKind kind = Type(column, row).kind;
  if (kind == CellKind::kList) {
    const int count = static_cast<int>(ListItems(column, row).size());
    if (value < -1 || value >= count) return false;
  } else if (kind == CellKind::kCheckBox) {
    if (value != 0 && value != 1) return false;
  } else {
    return CommitEdit(column, row, std::to_string(value));
  }
  if (AssignValue(column, row, value)) {
    ForgetViewRowHeight(row);
    ReportUserChange(column, row);
  }
  return true;
}

int16_t TableModel::KeyDown(int16_t key, bool ctrl) {
  if (observer_ != nullptr) observer_->OnKeyDown(key, ctrl);
  return key;
}

int16_t TableModel::KeyPress(int16_t key) {
  if (observer_ != nullptr) observer_->OnKeyPress(key);
  return key;
}

void TableModel::MoveActiveCell(int column, int row) {
  const int old_column = active_column_;
  const int old_row = active_row_;
  column = std::clamp(column, 1, std::max(ColumnCount(), 1));
  row = std::clamp(row, 1, std::max(RowCount(), 1));
  if (column == old_column && row == old_row) return;
  SetActiveCell(column, row);
  if (observer_ != nullptr) observer_->OnLeaveCell(old_column, old_row, column, row);
}

void TableModel::RightClick(int column, int row, int x, int y) {
  if (observer_ != nullptr) observer_->OnRightClick(column, row, x, y);
}

std::string TableModel::ToolTip(int column, int row) const {
  if (observer_ == nullptr || !IsDataCell(column, row)) return {};
  return observer_->OnToolTip(column, row);
}

}  // namespace pfedit
