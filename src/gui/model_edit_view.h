#pragma once

// The view of the model selection dialog.

#include <array>
#include <cstddef>

#include <QString>
#include <QWidget>

#include "gui/dialog_view.h"
#include "models/frm_model_edit.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pfedit::gui {

class TableView;

// Shared with the list position view, whose list is the same kind.
// A read-only list of whole rows on the button-face colour, as wide as its
// columns and high enough for about ten rows.
void SetUpModelList(TableView* list);
// The keyboard order of the controls named, first to last.
template <std::size_t N>
void ApplyTabOrder(QWidget* window, const std::array<const char*, N>& names) {
  QWidget* previous = nullptr;
  for (const char* name : names) {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (previous != nullptr && widget != nullptr) QWidget::setTabOrder(previous, widget);
    if (widget != nullptr) previous = widget;
  }
}
// Enter in the list presses the button (OK) while it is enabled, as Enter
// does everywhere else in the dialog, instead of moving down a row.
void EnterClicks(TableView* list, QPushButton* button);

class ModelEditView final : public DialogView {
  Q_OBJECT

 public:
  ModelEditView(models::frmModelEdit& logic, QWidget* parent = nullptr);

 protected:
  void Render() override;

 private:
  models::frmModelEdit& logic_;
  QLabel* lblMsg_;
  TableView* sprModelList_;
  QGroupBox* fraCapa_;
  std::array<QRadioButton*, 2> opCapa_;
  std::array<QLabel*, 2> lblCapa_;
  QPushButton* CmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace pfedit::gui
