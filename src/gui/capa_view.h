#pragma once

// The view of the rated capacity dialog.

#include "gui/dialog_view.h"
#include "models/frm_capa.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pfedit::gui {

class CapaView final : public DialogView {
  Q_OBJECT

 public:
  CapaView(models::frm_Capa& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  struct Row {
    QLabel* label;
    QLineEdit* box;
    QLabel* unit;  // null for the type name
  };
  Row NewRow(const char* label, const char* box, const char* unit);

  models::frm_Capa& logic_;
  Row InvCap_;
  Row Curr_SLD_;
  Row Curr_LD_;
  Row Curr_ND_;
  Row Curr_HD_;
  Row InvType_;
  QPushButton* CmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace pfedit::gui
