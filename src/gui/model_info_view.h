#pragma once

// The view of the "Model Information Editing" dialog.

#include "gui/dialog_view.h"
#include "models/frm_model_info.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pfedit::gui {

class TableView;

class ModelInfoView final : public DialogView {
  Q_OBJECT

 public:
  ModelInfoView(models::frm_ModelInfo& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  // Lines the column titles up with the rating table's visible columns.
  void AlignRatingTitles();
  void FitOptionTableHeight();

  models::frm_ModelInfo& logic_;
  QGroupBox* frmInvTyp_;
  QLabel* lblInv_;
  QLineEdit* txtSpe_;
  QLabel* lblSpe_;
  QGroupBox* frmCon_;
  QCheckBox* chkUsb_;
  QCheckBox* chkRs485_;
  QCheckBox* chkPu_;
  QGroupBox* frmRat_;
  QLabel* lblInvCap_;
  QLabel* lblRatCur_;
  QLabel* lblRatSld_;
  QLabel* lblRatLd_;
  QLabel* lblRatNd_;
  QLabel* lblRatHd_;
  QLabel* lblInvType_;
  TableView* sprRatCurr_;
  QPushButton* cmdEdit_;
  QPushButton* cmdAdd_;
  QPushButton* cmdDel_;
  QLabel* lblOpt_;
  TableView* sprOption_;
  QPushButton* CmdOK_;
  QPushButton* cmdCancel_;
  QPushButton* cmdHelp_;
};

}  // namespace pfedit::gui
