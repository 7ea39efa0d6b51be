#pragma once

// Puts the model being edited into the catalogue just before the catalogue is
// written: at the chosen list position, in place of its old entry, joined with
// the entry of its other capacity class when a new model adds that class.

#include <cstdint>

#include "core/records.h"

namespace pfedit {

// How the edited model relates to the catalogue.
enum class MergeKind {
  kNewModel,     // it may add its capacity class to the entry of the same codes
  kEditedModel,  // it replaces the entry of the same codes
  kPlaceOnly,    // it is placed without looking for an entry (after a delete)
};

struct MergedCatalogue {
  ModelCatalogue catalogue;
  // The edited model as the merge leaves it: a new model that joined the
  // entry of its other class holds the capacities of both.
  ModelRecord edit_model;
};

// The catalogue with the edited model placed at list_position (1-based). An
// edited model without a name changes nothing. A position outside 1 to the
// new count places the model first or last. Entries of model types without
// option slots lose their options.
MergedCatalogue MergeEditModel(const ModelCatalogue& catalogue, const ModelRecord& edit_model,
                               MergeKind kind, int16_t list_position);

}  // namespace pfedit
