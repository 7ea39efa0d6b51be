#pragma once

// The base of every modal dialog's view. It keeps the one protocol of all
// forms (see FormLogic): a widget's signal calls the logic's handler through
// Forward, the view renders, and the window closes only once the logic has
// closed. Escape and the close box go to the logic's Form_QueryUnload.

#include <QDialog>
#include <functional>
#include <utility>

#include "core/desktop.h"

class QAbstractButton;

namespace pfedit::gui {

class DialogView : public QDialog {
  Q_OBJECT

 public:
  // Shows the dialog modally until its logic has closed; a logic that is
  // closed already is not shown.
  void RunModal();

 protected:
  DialogView(DialogLogic& logic, QWidget* parent);

  // Copies the logic's state onto the widgets.
  virtual void Render() = 0;

  // Runs a handler of the logic, then renders; closes once the logic has.
  template <typename Handler>
  void Forward(Handler&& handler) {
    std::forward<Handler>(handler)();
    AfterEvent();
  }
  // A button whose click runs the handler.
  template <typename Handler>
  void OnClick(QAbstractButton* button, Handler handler) {
    ConnectClick(button, [this, handler] { Forward(handler); });
  }

  void reject() override;

 private:
  void AfterEvent();
  void ConnectClick(QAbstractButton* button, std::function<void()> slot);

  DialogLogic& logic_;
};

}  // namespace pfedit::gui
