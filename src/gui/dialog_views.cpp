#include "gui/dialog_views.h"

#include <cstring>

#include "about/frm_version.h"
#include "gui/about_view.h"

namespace pfedit::gui {

namespace {

template <typename Logic, typename View>
void Run(DialogLogic& dialog, QWidget* owner) {
  View view(static_cast<Logic&>(dialog), owner);
  view.exec();
}

struct FormView {
  const char* form;
  void (*run)(DialogLogic&, QWidget*);
};

// One line per modal form of the editor.
constexpr FormView kForms[] = {
    {"frmVersion", Run<about::frmVersion, AboutView>},
};

}  // namespace

bool RunDialogView(DialogLogic& dialog, QWidget* owner) {
  for (const FormView& entry : kForms) {
    if (std::strcmp(entry.form, dialog.FormName()) == 0) {
      entry.run(dialog, owner);
      return true;
    }
  }
  return false;
}

}  // namespace pfedit::gui
