#pragma once

// The main window's view: it renders frmPrFileEdit and forwards every user
// action to it, the grid's included. It decides nothing itself.

#include <QMainWindow>
#include <map>

#include "editor/frm_pr_file_edit.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pfedit::gui {

class TableView;

class MainWindowView final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindowView(editor::frmPrFileEdit& form, QWidget* parent = nullptr);

  // Shows the form's current state.
  void Render();
  QAction* Action(editor::MenuItem item) const { return actions_.at(item); }
  QMenu* EditMenu() const { return edit_menu_; }
  TableView* Grid() const { return grid_; }

 protected:
  // The close box: the form decides (FormLogic's protocol).
  void closeEvent(QCloseEvent* event) override;
  // The Pr box's keys go to the form; the row commands' keys in the grid.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The first show widens the window to the grid's columns, as far as the
  // screen allows, so that no column header starts out cut off.
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void Forward(editor::MenuItem item);
  // After every event the form heard: render, and close once it has closed.
  void AfterEvent();

  editor::frmPrFileEdit& form_;
  std::map<editor::MenuItem, QAction*> actions_;
  QMenu* edit_menu_ = nullptr;
  QLabel* lblPrNo_ = nullptr;
  QLineEdit* txtPr_ = nullptr;
  QPushButton* CmdEnd_ = nullptr;
  QLabel* lblFilePass_ = nullptr;
  TableView* grid_ = nullptr;
  bool shown_ = false;
};

}  // namespace pfedit::gui
