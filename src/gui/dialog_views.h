#pragma once

// Finds the view of a modal dialog's logic object and shows it modally.

#include <QWidget>

#include "core/desktop.h"

namespace pfedit::gui {

// False when no view is known for the form; the dialog is then not shown.
bool RunDialogView(DialogLogic& dialog, QWidget* owner);

}  // namespace pfedit::gui
