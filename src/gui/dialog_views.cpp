#include "gui/dialog_views.h"

#include "about/frm_version.h"
#include "editor/frm_folder.h"
#include "editor/frm_func.h"
#include "gui/about_view.h"
#include "gui/capa_view.h"
#include "gui/folder_view.h"
#include "gui/func_code_view.h"
#include "gui/model_add_view.h"
#include "gui/model_edit_view.h"
#include "gui/model_info_view.h"
#include "models/frm_model_add.h"
#include "models/frm_model_edit.h"

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
  views.Register<editor::frmFolder, FolderView>();
  views.Register<editor::frmFunc, FuncCodeView>();
  views.Register<models::frmModelEdit, ModelEditView>();
  views.Register<models::frmModelAdd, ModelAddView>();
  views.Register<models::frm_ModelInfo, ModelInfoView>();
  views.Register<models::frm_Capa, CapaView>();
}

}  // namespace pfedit::gui
