#include "core/editor_state.h"

namespace pfedit {

void PublishCatalogue(ModelCatalogue& catalogue, const ModelCatalogue& source) {
  catalogue.assign(source.begin(), source.end());
}

void EditorState::ResetEditModels() {
  Buffer.EditModel = ModelRecord();
  Buffer.ModelInfoDraft = ModelRecord();
}

}  // namespace pfedit
