#pragma once

// The grid on screen: a QTableView over a TableModel. It shows the model's
// cells, layout, active cell, selection and top row, and reports what the
// user does (moving the cursor, selecting, keys, right click, editing) to the
// model, which hands it on to the form.
//
// The form may show a modal message box from any of these events, the change
// of a cell among them. A box opened inside Qt's commit of a cell editor would
// run while the editor is still open, and the editor's loss of focus to the
// box would commit it a second time. So an edit is committed only once Qt has
// closed its editor, from the event loop, and what the user did next waits
// behind it: the form hears edit start, change and leave cell in the order
// they happened.

#include <QTableView>
#include <deque>
#include <functional>
#include <string>
#include <vector>

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
  // A cell editor is open.
  bool Editing() const { return state() == EditingState; }

  // Widths are kept in twips, 1440 to the inch, and shown with the screen's
  // logical dots per inch.
  static int PixelsFromTwips(int twips, int dots_per_inch) {
    return (twips * dots_per_inch + 720) / 1440;
  }

  // Ways of reporting a user's action to the model. Each signals
  // EventForwarded once the report has run.
  // Now, after any waiting report: for actions whose answer Qt needs at once.
  void Report(const std::function<void()>& report);
  // Now when nothing waits, otherwise behind the waiting reports.
  void ReportInTurn(std::function<void()> report);
  // From the event loop, once Qt has finished closing the editor.
  void ReportAfterEditorClosed(std::function<void()> report);

  // How many times a row's height was measured, for tests of the height cache.
  int RowsMeasured() const { return rows_measured_; }

 signals:
  // A user's action reached the model and so perhaps the form; the form's
  // view renders the form again.
  void EventForwarded();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

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
  int FittedHeight(int row);
  void FitDefaultRowHeight();
  void ShowActiveCell();
  void ShowSelection();
  void ReportSelection();
  void RunWaitingReports();

  TableModel& model_;
  TableAdapter* adapter_ = nullptr;
  CellDelegate* delegate_ = nullptr;
  // Above 0 while the view follows the model or Qt moves rows, so that what
  // Qt does meanwhile to the cursor and selection is not taken for the user.
  int following_ = 0;
  // Above 0 while the view tells the model what the user did, so that the
  // model's echo is not applied back in the middle of a mouse drag.
  int reporting_ = 0;
  std::deque<std::function<void()>> waiting_reports_;
  bool running_waiting_reports_ = false;
  int rows_measured_ = 0;
};

}  // namespace pfedit::gui
