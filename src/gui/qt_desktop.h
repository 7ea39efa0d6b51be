#pragma once

// The real desktop: Qt message boxes, cursor, clipboard, file dialogs, the
// help viewer and the views of the modal dialogs.

#include <QPointer>
#include <QWidget>

#include "core/desktop.h"

namespace pfedit::gui {

class QtDesktop final : public Desktop {
 public:
  // Boxes and dialogs are owned by the given window (may be set later).
  void SetOwner(QWidget* owner) { owner_ = owner; }

  Answer ShowMessage(const MessageBox& box) override;
  void SetWaitCursor(bool on) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  std::string ChooseFile(const FileDialogRequest& request) override;
  bool OpenHelp(const std::string& path) override;
  void RunModal(DialogLogic& dialog) override;

 private:
  QPointer<QWidget> owner_;
};

// Paths are bytes in the file system's own encoding, not display text.
QString PathFromBytes(const std::string& path);
std::string PathToBytes(const QString& path);

// The Qt form of a filter given as "Description|*.ext".
QString QtFileFilter(const std::string& filter);

}  // namespace pfedit::gui
