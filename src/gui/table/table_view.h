#pragma once

// The grid on screen: a QTableView over a TableModel. It shows the model's
// cells, layout, active cell, selection and top row, and reports what the
// user does (moving the cursor, selecting, keys, right click, editing) to the
// model, which hands it on to the form.

#include <QTableView>

#include "core/table_model.h"

namespace pfedit::gui {

class CellDelegate;
class TableAdapter;

class TableView : public QTableView, private TableViewListener {
  Q_OBJECT

 public:
  explicit TableView(TableModel& model, QWidget* parent = nullptr);
  ~TableView() override;

  TableModel& Model() const { return model_; }
  TableAdapter* Adapter() const { return adapter_; }
  CellDelegate* Delegate() const { return delegate_; }

  // Widths are kept in twips: 15 to a pixel on a screen of 96 dots per inch.
  static int PixelsFromTwips(int twips) { return (twips + 7) / 15; }

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void RowLayoutChanged(int first, int last) override;
  void ColumnLayoutChanged(int first, int last) override;
  void ActiveCellChanged(int column, int row) override;
  void SelectionChanged() override;
  void TopRowChanged(int row) override;

  // Brings everything the model may have changed behind Qt's back (while
  // rows moved or drawing was suspended) onto the screen.
  void FollowModel();
  // The height that shows every text of the row.
  int FittedHeight(int row) const;
  void ShowActiveCell();
  void ShowSelection();
  void ReportSelection();

  TableModel& model_;
  TableAdapter* adapter_ = nullptr;
  CellDelegate* delegate_ = nullptr;
  // Above 0 while the view follows the model or Qt moves rows, so that what
  // Qt does meanwhile to the cursor and selection is not taken for the user.
  int following_ = 0;
  // Above 0 while the view tells the model what the user did, so that the
  // model's echo is not applied back in the middle of a mouse drag.
  int reporting_ = 0;
};

}  // namespace pfedit::gui
