#pragma once

// The main window's menus and the state machine that enables their items.
// Every command ends by entering a state; the enabled items are then the
// guard that keeps commands in a valid order.

#include <array>
#include <cstdint>
#include <vector>

#include "core/message_ids.h"

namespace pfedit::editor {

enum class MenuItem {
  mnuFileFolder,
  mnuFileSave,
  mnuFileImport,
  mnuFileExport,
  mnuFileExit,
  mnuModelNewMaking,
  mnuModelEdit,
  mnuModelDelete,
  mnuEditCut,
  mnuEditCopy,
  mnuEditPaste,
  mnuEditAddPaste,
  mnuEditAdd,
  mnuEditDel,
  mnuEditFunc,
  mnuEditInf,
  mnuHelpItem,
  mnuHelpVer,
};
constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::mnuHelpVer) + 1;

struct MenuEntry {
  MenuItem item;
  MessageId caption;
};

struct Menu {
  const char* name;  // mnuFile, mnuModel, mnuEdit, mnuHelp
  MessageId caption;
  std::vector<MenuEntry> entries;
};

// The menu bar in order, with every item's caption.
const std::vector<Menu>& MainMenus();

// Which items are enabled. Folder, Exit, Contents and About always are.
class MenuStates {
 public:
  MenuStates();
  bool Enabled(MenuItem item) const { return enabled_[Index(item)]; }
  void SetEnabled(MenuItem item, bool on);

  // Enters a state 0 to 9 (other numbers change nothing). State 2 may turn
  // the edit mode into "new model"; that is why the mode is passed in.
  void MenuSet(int state, int16_t& edit_mode);

 private:
  static std::size_t Index(MenuItem item) { return static_cast<std::size_t>(item); }
  std::array<bool, kMenuItemCount> enabled_{};
};

}  // namespace pfedit::editor
