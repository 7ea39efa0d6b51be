#pragma once

// How the model commands fill the edit buffer from the catalogue: the base
// model of a new model, the model opened for editing, and the model (or one
// capacity class of it) taken out for deletion. A model is the first
// catalogue entry whose three codes equal the selected ones, compared as
// exact texts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "core/records.h"

namespace pfedit::models {

// The parameter file of a large capacity class is the small class's file
// name with an "l": five characters before the first "-", or before its last
// eight characters when it has none. Names too short for the rule get the
// "l" in front.
std::string LargeCapacityFileName(std::string_view param_file);

// The same letter as the commands place it by the model's code: before the
// series suffix only for a special model (ModelCode5 set and not the plain
// code); a standard model's file always gets it before its last eight
// characters, "-" or not.
std::string LargeCapacityParamFile(const ModelRecord& model);

// The index of the first catalogue entry with these codes.
std::optional<std::size_t> FindModel(const ModelCatalogue& catalogue, std::string_view code1,
                                     std::string_view code2, std::string_view code5);

// The identity and the class the selection dialog chose.
struct ModelSelection {
  std::string code1;
  std::string code2;
  std::string code5;
  int16_t capacity_class = kClassNone;
};
ModelSelection SelectedModel(const EditorState& state);

// ModelInfoDraft becomes the base model with the rating entries of the
// chosen class only (the catalogue keeps small capacities first) and the
// class's parameter file. Sets EditCapacityClass and a first EditModelType.
// Without a matching entry only EditCapacityClass changes.
void PrepareNewModel(EditorState& state, const ModelSelection& selection);

// EditModel becomes the model with all its rating entries and its own
// capacity class; only the parameter file follows the chosen class. Sets
// EditCapacityClass and EditModelType. Without a matching entry EditModel
// stays as it is.
void PrepareEditModel(EditorState& state, const ModelSelection& selection);

// Takes the model out of the catalogue in memory: a one-class model of the
// chosen class loses its entry (ModelInfoDirty is set), a two-class model
// keeps its entry with the other class's ratings only. A one-class model of
// the other class, or no match, leaves the catalogue alone. EditModel ends
// up blank either way.
void PrepareDeleteModel(EditorState& state, const ModelSelection& selection);

}  // namespace pfedit::models
