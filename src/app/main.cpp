// The editor's entry point. It takes no command line: everything is chosen
// in the window.

#include <QApplication>

#include "core/editor_state.h"
#include "core/platform.h"
#include "editor/frm_pr_file_edit.h"
#include "gui/main_window_view.h"
#include "gui/qt_desktop.h"
#include "single_instance.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto lock = pfedit::app::AcquireSingleInstanceLock();
  if (!lock) return 0;  // another editor runs: leave silently

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
