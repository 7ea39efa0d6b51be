#include "gui/dialog_view.h"

#include <QAbstractButton>

#include "gui/control_render.h"

namespace pfedit::gui {

DialogView::DialogView(DialogLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setObjectName(QString::fromLatin1(logic_.FormName()));
}

void DialogView::RunModal() {
  if (logic_.Closed()) return;
  AfterEvent();
  exec();
  // Only the logic ends the dialog; an event loop ended under it (the
  // program quitting) still closes it the way the user's close box would.
  if (!logic_.Closed()) logic_.Form_QueryUnload();
}

void DialogView::AfterEvent() {
  Render();
  ApplyFocusRequest(this, logic_);
  if (logic_.Closed()) done(logic_.Result());
}

void DialogView::reject() {
  Forward([this] { logic_.Form_QueryUnload(); });
}

void DialogView::ConnectClick(QAbstractButton* button, std::function<void()> slot) {
  connect(button, &QAbstractButton::clicked, this, std::move(slot));
}

}  // namespace pfedit::gui
