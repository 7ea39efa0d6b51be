#include <gtest/gtest.h>

#include <string>

#include "core/editor_state.h"
#include "editor/menu_state.h"

namespace pfedit::editor {
namespace {

// The fourteen switchable items in a fixed order, as one letter each.
std::string Pattern(const MenuStates& menus) {
  const MenuItem items[] = {
      MenuItem::mnuFileSave,       MenuItem::mnuFileImport, MenuItem::mnuFileExport,
      MenuItem::mnuModelNewMaking, MenuItem::mnuModelEdit,  MenuItem::mnuModelDelete,
      MenuItem::mnuEditCut,        MenuItem::mnuEditCopy,   MenuItem::mnuEditPaste,
      MenuItem::mnuEditAddPaste,   MenuItem::mnuEditAdd,    MenuItem::mnuEditDel,
      MenuItem::mnuEditFunc,       MenuItem::mnuEditInf,
  };
  std::string pattern;
  for (const MenuItem item : items) pattern += menus.Enabled(item) ? 'Y' : 'n';
  return pattern;
}

TEST(MenuStates, SequencesOfStatesGiveTheExpectedItems) {
  const struct {
    std::vector<int> states;
    const char* pattern;
    int16_t mode_after;
  } cases[] = {
      {{}, "nnnnnnnnnnnnnn", kEditModeEdit},
      {{1}, "nYnYYYnnnnnnnn", kEditModeEdit},
      {{1, 4}, "YYYYYYYYnnYYYY", kEditModeEdit},
      {{1, 5}, "YYnYYYnnnnnnnn", kEditModeEdit},
      // An import while New is enabled becomes a new model that may be saved.
      {{1, 2}, "YYYYYYYYnnYYYY", kEditModeNew},
      // An import while New is disabled cannot be saved.
      {{0, 2}, "nnYnnnYYnnYYYY", kEditModeEdit},
      // A change enables Save only while New is, and Export only while Import
      // is.
      {{0, 2, 9}, "nnYnnnYYnnYYYY", kEditModeEdit},
      {{0, 9}, "nnnnnnnnnnnnnn", kEditModeEdit},
      {{0, 5, 9}, "YnnYYYnnnnnnnn", kEditModeEdit},
      {{1, 5, 9}, "YYYYYYnnnnnnnn", kEditModeEdit},
      // A number outside 0 to 9 changes nothing.
      {{1, 10}, "nYnYYYnnnnnnnn", kEditModeEdit},
  };
  for (const auto& c : cases) {
    MenuStates menus;
    int16_t mode = kEditModeEdit;
    std::string trail;
    for (const int state : c.states) {
      menus.MenuSet(state, mode);
      trail += std::to_string(state) + " ";
    }
    EXPECT_EQ(Pattern(menus), c.pattern) << "states " << trail;
    EXPECT_EQ(mode, c.mode_after) << "states " << trail;
  }
}

TEST(MenuStates, FolderExitAndHelpAreAlwaysEnabled) {
  MenuStates menus;
  int16_t mode = kEditModeNone;
  for (int state = 0; state <= 9; ++state) {
    menus.MenuSet(state, mode);
    for (const MenuItem item : {MenuItem::mnuFileFolder, MenuItem::mnuFileExit,
                                MenuItem::mnuHelpItem, MenuItem::mnuHelpVer}) {
      menus.SetEnabled(item, false);
      EXPECT_TRUE(menus.Enabled(item)) << "state " << state;
    }
  }
}

TEST(MainMenus, HoldEveryItemOnce) {
  std::vector<int> seen(kMenuItemCount, 0);
  for (const Menu& menu : MainMenus()) {
    for (const MenuEntry& entry : menu.entries) ++seen[static_cast<std::size_t>(entry.item)];
  }
  EXPECT_EQ(seen, std::vector<int>(kMenuItemCount, 1));
}

}  // namespace
}  // namespace pfedit::editor
