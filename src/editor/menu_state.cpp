#include "editor/menu_state.h"

#include "core/editor_state.h"
#include "core/message_ids.h"

namespace pfedit::editor {

namespace {

// One row per state: for each of the fourteen switchable items, enable (Y),
// disable (n), leave as it is (-), or apply a rule named by its letter.
constexpr std::array<MenuItem, 14> kSwitched{
    MenuItem::mnuFileSave,       MenuItem::mnuFileImport, MenuItem::mnuFileExport,
    MenuItem::mnuModelNewMaking, MenuItem::mnuModelEdit,  MenuItem::mnuModelDelete,
    MenuItem::mnuEditCut,        MenuItem::mnuEditCopy,   MenuItem::mnuEditPaste,
    MenuItem::mnuEditAddPaste,   MenuItem::mnuEditAdd,    MenuItem::mnuEditDel,
    MenuItem::mnuEditFunc,       MenuItem::mnuEditInf,
};

constexpr std::array<const char*, 10> kStates{
    "nnnnnnnnnnnnnn",  // 0 nothing loaded
    "nYnYYYnnnnnnnn",  // 1 catalogue loaded, no model open
    "A-Y---YYnnYYYY",  // 2 a model was imported
    "Y-YYYYYYnnYYYY",  // 3 new model opened
    "Y-YYYYYYnnYYYY",  // 4 model opened for editing
    "Y-nYYYnnnnnnnn",  // 5 model opened for deletion
    "------YY--YYYY",  // 6 rows were cut
    "------YY--YYYY",  // 7 rows were copied
    "Y-YYYYYYnnYYYY",  // 8 Escape emptied the clipboard
    "B-C-----------",  // 9 something changed
};

}  // namespace

const std::vector<Menu>& MainMenus() {
  static const std::vector<Menu> menus{
      {"mnuFile",
       msg::kMenuFile,
       {{MenuItem::mnuFileFolder, msg::kMenuFileFolder},
        {MenuItem::mnuFileSave, msg::kMenuFileSave},
        {MenuItem::mnuFileImport, msg::kMenuFileImport},
        {MenuItem::mnuFileExport, msg::kMenuFileExport},
        {MenuItem::mnuFileExit, msg::kMenuFileExit}}},
      {"mnuModel",
       msg::kMenuModel,
       {{MenuItem::mnuModelNewMaking, msg::kMenuModelNew},
        {MenuItem::mnuModelEdit, msg::kMenuModelEdit},
        {MenuItem::mnuModelDelete, msg::kMenuModelDelete}}},
      {"mnuEdit",
       msg::kMenuEdit,
       {{MenuItem::mnuEditCut, msg::kMenuEditCut},
        {MenuItem::mnuEditCopy, msg::kMenuEditCopy},
        {MenuItem::mnuEditPaste, msg::kMenuEditPaste},
        {MenuItem::mnuEditAddPaste, msg::kMenuEditAddPaste},
        {MenuItem::mnuEditAdd, msg::kMenuEditAdd},
        {MenuItem::mnuEditDel, msg::kMenuEditDel},
        {MenuItem::mnuEditFunc, msg::kMenuEditFuncCode},
        {MenuItem::mnuEditInf, msg::kMenuEditModelInfo}}},
      {"mnuHelp",
       msg::kMenuHelp,
       {{MenuItem::mnuHelpItem, msg::kMenuHelpContents},
        {MenuItem::mnuHelpVer, msg::kMenuHelpAbout}}},
  };
  return menus;
}

MenuStates::MenuStates() {
  enabled_.fill(true);
  int16_t unused_mode = kEditModeNone;
  MenuSet(0, unused_mode);
}

void MenuStates::SetEnabled(MenuItem item, bool on) {
  switch (item) {
    case MenuItem::mnuFileFolder:
    case MenuItem::mnuFileExit:
    case MenuItem::mnuHelpItem:
    case MenuItem::mnuHelpVer:
      return;  // always enabled
    default:
      enabled_[Index(item)] = on;
  }
}

void MenuStates::MenuSet(int state, int16_t& edit_mode) {
  if (state < 0 || state >= static_cast<int>(kStates.size())) return;
  const char* row = kStates[static_cast<std::size_t>(state)];
  // The rules look at items as they were before this state, so read first.
  const bool new_enabled = Enabled(MenuItem::mnuModelNewMaking);
  const bool import_enabled = Enabled(MenuItem::mnuFileImport);
  for (std::size_t i = 0; i < kSwitched.size(); ++i) {
    const MenuItem item = kSwitched[i];
    switch (row[i]) {
      case 'Y':
        SetEnabled(item, true);
        break;
      case 'n':
        SetEnabled(item, false);
        break;
      case 'A':  // an import becomes a new model when models may be made
        SetEnabled(item, new_enabled);
        if (new_enabled) edit_mode = kEditModeNew;
        break;
      case 'B':  // a change may be saved when models may be made
        if (new_enabled) SetEnabled(item, true);
        break;
      case 'C':  // a change may be exported when import is possible
        if (import_enabled) SetEnabled(item, true);
        break;
      default:
        break;
    }
  }
}

}  // namespace pfedit::editor
