#pragma once

// The editor's own help page viewer: the last resort when no browser opens
// the HTML copy of the help. A window with the page and three buttons: the
// contents (the first page), back and forward. Which page to show, and when,
// the help logic decides (core/help.h); this only shows it.

#include <QDialog>
#include <QUrl>

class QTextBrowser;
class QToolButton;

namespace pfedit::gui {

class HelpViewer final : public QDialog {
 public:
  explicit HelpViewer(QWidget* parent);

  // Shows the page (a local file); its folder's index.htm is the contents.
  // False, showing nothing new, when the page is no readable file.
  bool ShowPage(const QString& path);

 private:
  void ShowTitle();

  QTextBrowser* txtPage_;
  QToolButton* cmdContents_;
  QToolButton* cmdBack_;
  QToolButton* cmdForward_;
  QUrl contents_;
};

}  // namespace pfedit::gui
