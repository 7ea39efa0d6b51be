#include "gui/table/table_adapter.h"

#include <QColor>
#include <algorithm>

#include "gui/text_codec.h"

namespace pfedit::gui {

TableAdapter::TableAdapter(TableModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {
  model_.AddViewListener(this);
}

TableAdapter::~TableAdapter() {
  model_.RemoveViewListener(this);
}

int TableAdapter::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : model_.RowCount();
}

int TableAdapter::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : model_.ColumnCount();
}

QVariant TableAdapter::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !checkIndex(index)) return QVariant();
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  const CellKind kind = model_.Type(column, row).kind;
  const bool has_value = kind == CellKind::kList || kind == CellKind::kCheckBox;
  switch (role) {
    case Qt::DisplayRole:
      if (kind == CellKind::kCheckBox) return QVariant();
      return FromAnsi(model_.Text(column, row));
    case Qt::EditRole:
      if (has_value) return model_.Value(column, row);
      return FromAnsi(model_.Text(column, row));
    case Qt::CheckStateRole:
      if (kind != CellKind::kCheckBox) return QVariant();
      return static_cast<int>(model_.Value(column, row) != 0 ? Qt::Checked : Qt::Unchecked);
    case Qt::BackgroundRole: {
      const Colour colour = model_.Background(column, row);
      return QColor(colour.red, colour.green, colour.blue);
    }
    case Qt::ForegroundRole:
      return TextColourOn(model_.Background(column, row));
    case Qt::ToolTipRole: {
      const std::string tip = model_.ToolTip(column, row);
      if (tip.empty()) return QVariant();
      return FromAnsi(tip);
    }
    default:
      return QVariant();
  }
}

QColor TableAdapter::TextColourOn(Colour background) {
  const int luma = 299 * background.red + 587 * background.green + 114 * background.blue;
  return QColor(luma < 500 * 255 ? Qt::white : Qt::black);
}

bool TableAdapter::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || !checkIndex(index)) return false;
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  const CellKind kind = model_.Type(column, row).kind;
  // The model reports the change, which becomes dataChanged.
  if (role == Qt::CheckStateRole && kind == CellKind::kCheckBox) {
    return model_.CommitValue(column, row, value.toInt() == Qt::Checked ? 1 : 0);
  }
  if (role != Qt::EditRole) return false;
  if (kind == CellKind::kList || kind == CellKind::kCheckBox) {
    return model_.CommitValue(column, row, value.toInt());
  }
  return model_.CommitEdit(column, row, ToAnsi(value.toString()));
}

Qt::ItemFlags TableAdapter::flags(const QModelIndex& index) const {
  if (!index.isValid() || !checkIndex(index)) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  if (model_.Locked(column, row)) return flags;
  switch (model_.Type(column, row).kind) {
    case CellKind::kStatic:
      return flags;
    case CellKind::kCheckBox:
      return flags | Qt::ItemIsUserCheckable;
    default:
      return flags | Qt::ItemIsEditable;
  }
}

QVariant TableAdapter::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool of_columns = orientation == Qt::Horizontal;
  if (section < 0 || section >= (of_columns ? columnCount() : rowCount())) return QVariant();
  if (role == Qt::TextAlignmentRole && of_columns) return static_cast<int>(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return QVariant();
  if (of_columns) return FromAnsi(model_.Text(section + 1, 0));
  const std::string_view text = model_.Text(0, section + 1);
  // Rows without a header of their own show their number.
  return text.empty() ? QString::number(section + 1) : FromAnsi(text);
}

void TableAdapter::CellsChanged(int first_column, int first_row, int last_column, int last_row) {
  if (first_column > last_column || first_row > last_row) return;
  emit dataChanged(index(first_row - 1, first_column - 1), index(last_row - 1, last_column - 1));
}

void TableAdapter::HeadersChanged(bool of_columns, int first, int last) {
  // Column 0 of row 0 is the corner, which Qt does not show.
  first = std::max(first, 1);
  if (first <= last) {
    emit headerDataChanged(of_columns ? Qt::Horizontal : Qt::Vertical, first - 1, last - 1);
  }
}

void TableAdapter::RowsAboutToBeInserted(int first, int last) {
  beginInsertRows(QModelIndex(), first - 1, last - 1);
}

void TableAdapter::RowsInserted(int, int) {
  endInsertRows();
}

void TableAdapter::RowsAboutToBeRemoved(int first, int last) {
  beginRemoveRows(QModelIndex(), first - 1, last - 1);
}

void TableAdapter::RowsRemoved(int, int) {
  endRemoveRows();
}

void TableAdapter::ColumnsAboutToBeInserted(int first, int last) {
  beginInsertColumns(QModelIndex(), first - 1, last - 1);
}

void TableAdapter::ColumnsInserted(int, int) {
  endInsertColumns();
}

void TableAdapter::ColumnsAboutToBeRemoved(int first, int last) {
  beginRemoveColumns(QModelIndex(), first - 1, last - 1);
}

void TableAdapter::ColumnsRemoved(int, int) {
  endRemoveColumns();
}

void TableAdapter::AboutToReset() {
  beginResetModel();
}

void TableAdapter::Reset() {
  endResetModel();
}

}  // namespace pfedit::gui
