#pragma once

// The real desktop: Qt message boxes, cursor, clipboard, file dialogs, the
// help viewers, pop-up menus and the views of the modal dialogs.

#include <QPointer>
#include <QWidget>

#include "core/desktop.h"
#include "gui/dialog_views.h"
#include "gui/help_viewer.h"

namespace pfedit::gui {

class QtDesktop final : public Desktop {
 public:
  // Knows the views of all the editor's dialogs.
  QtDesktop();

  // Boxes and dialogs belong to the topmost open dialog, else to this window
  // (may be set later), whose menus are also the pop-up menus.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  DialogViews& Views() { return views_; }

  Answer ShowMessage(const MessageBox& box) override;
  void SetWaitCursor(bool on) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  std::string ChooseFile(const FileDialogRequest& request) override;
  // The compiled help file in the system's help viewer, a page in the
  // browser; false for a missing file or when no application took it.
  bool OpenHelp(const std::string& path) override;
  // One viewer window, kept open beside the editor; over an open dialog it
  // belongs to that dialog, so the dialog does not block it.
  bool ShowHelpPage(const std::string& path) override;
  // A dialog without a view is a programming error: it stops a debug build
  // and shows a critical box in others, never passing as a cancelled dialog.
  void RunModal(DialogLogic& dialog) override;
  // The owner's child QMenu named as the menu; a missing one is a
  // programming error like a missing view.
  void ShowPopupMenu(PopupMenu menu, int x, int y) override;

 private:
  QWidget* Parent() const;
  void ProgrammingError(const QString& text);

  QPointer<QWidget> owner_;
  QPointer<HelpViewer> help_viewer_;
  DialogViews views_;
};

// Paths are bytes in the file system's own encoding, not display text.
QString PathFromBytes(const std::string& path);
std::string PathToBytes(const QString& path);

// The Qt form of a filter given as "Description|*.ext".
QString QtFileFilter(const std::string& filter);

}  // namespace pfedit::gui
