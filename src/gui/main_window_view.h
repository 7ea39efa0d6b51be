#pragma once

// The main window's view: it renders frmPrFileEdit and forwards every user
// action to it. It decides nothing itself.

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

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void Forward(editor::MenuItem item);

  editor::frmPrFileEdit& form_;
  std::map<editor::MenuItem, QAction*> actions_;
  QMenu* edit_menu_ = nullptr;
  QLabel* pr_label_ = nullptr;
  QLineEdit* pr_box_ = nullptr;
  QPushButton* check_button_ = nullptr;
  QLabel* folder_label_ = nullptr;
  TableView* grid_ = nullptr;
};

}  // namespace pfedit::gui
