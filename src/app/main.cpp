// The editor's entry point. It takes no command line: everything is chosen
// in the window.

#include <QApplication>
#include <cstdio>

#include "core/editor_state.h"
#include "core/platform.h"
#include "editor/frm_pr_file_edit.h"
#include "gui/main_window_view.h"
#include "gui/qt_desktop.h"
#include "single_instance.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Lets the desktop match the window to the installed pfedit.desktop (icon,
  // name in the task bar).
  QGuiApplication::setDesktopFileName(QStringLiteral("pfedit"));
  using pfedit::app::InstanceLock;
  const InstanceLock lock = pfedit::app::AcquireSingleInstanceLock();
  if (lock.state == InstanceLock::State::kHeldByAnother) return 0;  // leave silently
  if (lock.state == InstanceLock::State::kUnavailable) {
    // The lock only guards against a second editor; a broken runtime folder
    // must not cost the user the first one. Every text the window shows comes
    // from the message table, so the reason goes to stderr, where a terminal
    // or the session's log keeps it.
    std::fprintf(stderr, "pfedit: %s; starting without the check for another running editor\n",
                 qPrintable(lock.problem));
  }

  pfedit::EditorState state;
  pfedit::gui::QtDesktop desktop;
  pfedit::editor::frmPrFileEdit form(state, desktop);
  pfedit::gui::MainWindowView window(form);
  desktop.SetOwner(&window);
  form.Form_Load(pfedit::platform::ProgramFolder());
  window.Render();
  window.show();
  // The program ends when the form has closed and its view with it.
  return QApplication::exec();
}
