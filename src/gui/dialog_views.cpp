#include "gui/dialog_views.h"

#include "about/frm_version.h"
#include "gui/about_view.h"
#include "gui/capa_view.h"
#include "gui/model_info_view.h"

namespace pfedit::gui {

bool DialogViews::Run(DialogLogic& dialog, QWidget* parent) const {
  const auto runner = runners_.find(typeid(dialog));
  if (runner == runners_.end()) return false;
  runner->second(dialog, parent);
  return true;
}

// One line per modal dialog.
void RegisterEditorDialogs(DialogViews& views) {
  views.Register<about::frmVersion, AboutView>();
  views.Register<frm_ModelInfo, ModelInfoView>();
  views.Register<frm_Capa, CapaView>();
}

}  // namespace pfedit::gui
