#pragma once

// Which view shows which dialog: views are registered by the type of their
// logic, so a dialog finds its view without names or casts in the callers.

#include <QWidget>
#include <functional>
#include <type_traits>
#include <typeindex>
#include <unordered_map>

#include "core/desktop.h"
#include "gui/dialog_view.h"

namespace pfedit::gui {

class DialogViews {
 public:
  // View is a DialogView constructed from (Logic&, QWidget* parent).
  template <typename Logic, typename View>
  void Register() {
    static_assert(std::is_base_of_v<DialogLogic, Logic>);
    static_assert(std::is_base_of_v<DialogView, View>);
    runners_[typeid(Logic)] = [](DialogLogic& dialog, QWidget* parent) {
      View view(static_cast<Logic&>(dialog), parent);
      view.RunModal();
    };
  }

  // Shows the view registered for the dialog's own type (a view of a base
  // type does not count) and returns once the dialog has closed; false, and
  // nothing shown, when no view is registered for it.
  bool Run(DialogLogic& dialog, QWidget* parent) const;

 private:
  std::unordered_map<std::type_index, std::function<void(DialogLogic&, QWidget*)>> runners_;
};

// Registers the view of every modal dialog of the editor.
void RegisterEditorDialogs(DialogViews& views);

}  // namespace pfedit::gui
