#pragma once

// The view of the folder dialog: drives, the folder tree of the current
// drive and the catalogue-like files of the current folder.

#include <QStringList>
#include <vector>

#include "editor/frm_folder.h"
#include "gui/dialog_view.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pfedit::gui {

class FolderView final : public DialogView {
  Q_OBJECT

 public:
  FolderView(editor::frmFolder& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;
  // Enter in the folder tree opens the folder instead of pressing OK.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int RowOf(QTreeWidgetItem* item) const;
  void RenderDrives();
  void RenderFolders();

  editor::frmFolder& logic_;
  QComboBox* drvList_;
  QTreeWidget* dirList_;
  QListWidget* filList_;
  QLabel* lblMes_;
  QPushButton* CmdOK_;
  QPushButton* cmdCancel_;
  // The tree's lines in the logic's order, and what they were built from.
  std::vector<QTreeWidgetItem*> rows_;
  QStringList shown_paths_;
  QStringList shown_drives_;
};

}  // namespace pfedit::gui
