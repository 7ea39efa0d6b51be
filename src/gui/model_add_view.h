#pragma once

// The view of the list position dialog.

#include <array>

#include "gui/dialog_view.h"
#include "models/frm_model_add.h"

class QLabel;
class QPushButton;

namespace pfedit::gui {

class TableView;

class ModelAddView final : public DialogView {
  Q_OBJECT

 public:
  ModelAddView(models::frmModelAdd& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  models::frmModelAdd& logic_;
  std::array<QLabel*, 2> lblModelName_;
  QLabel* lblMes_;
  TableView* sprModelList_;
  QPushButton* cmdUpper_;
  QPushButton* cmdLower_;
  QPushButton* CmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace pfedit::gui
