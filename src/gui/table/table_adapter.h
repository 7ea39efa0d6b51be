#pragma once

// Shows a TableModel to Qt's item views. It holds no data of its own: every
// read goes to the model, every user edit goes through the model's edit path
// (so the form hears of it), and the model's change reports become Qt's
// signals.

#include <QAbstractTableModel>
#include <QColor>

#include "core/table_model.h"

namespace pfedit::gui {

// Qt rows and columns count from 0 over the data cells; the model's row 0 and
// column 0 become the headers.
class TableAdapter final : public QAbstractTableModel, private TableViewListener {
  Q_OBJECT

 public:
  explicit TableAdapter(TableModel& model, QObject* parent = nullptr);
  ~TableAdapter() override;

  TableModel& Model() const { return model_; }
  static int ColumnOf(const QModelIndex& index) { return index.column() + 1; }
  static int RowOf(const QModelIndex& index) { return index.row() + 1; }
  // Dark text on light cells, white on dark ones (a fault's red), so that
  // every marked cell stays readable.
  static QColor TextColourOn(Colour background);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  // Display: the text (none for check boxes). Edit: the list index or check
  // value for those cells, the text for others.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  void CellsChanged(int first_column, int first_row, int last_column, int last_row) override;
  void HeadersChanged(bool of_columns, int first, int last) override;
  void RowsAboutToBeInserted(int first, int last) override;
  void RowsInserted(int first, int last) override;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved(int first, int last) override;
  void ColumnsAboutToBeInserted(int first, int last) override;
  void ColumnsInserted(int first, int last) override;
  void ColumnsAboutToBeRemoved(int first, int last) override;
  void ColumnsRemoved(int first, int last) override;
  void AboutToReset() override;
  void Reset() override;

  TableModel& model_;
};

}  // namespace pfedit::gui
