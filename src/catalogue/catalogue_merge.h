#pragma once

// Puts the model being edited into the catalogue just before the catalogue is
// written: at the chosen list position, in place of its old entry, joined with
// the entry of its other capacity class when a new model adds that class.

#include "core/editor_state.h"

namespace pfedit {

// Reads EditModel, EditMode and ListPosition and rewrites the catalogue (and,
// for a new model joining an existing one, the capacity lists of EditModel).
// Does nothing when EditModel has no name. A ListPosition outside 1 to the
// new count places the model first or last.
void MergeEditModel(EditorState& state);

}  // namespace pfedit
