#include "catalogue/catalogue_merge.h"

#include <algorithm>

#include "catalogue/catalogue_reader.h"
#include "core/model_codes.h"
#include "core/value_tables.h"

namespace pfedit {

namespace {

bool SameIdentity(const ModelRecord& a, const ModelRecord& b) {
  return a.ModelCode1 == b.ModelCode1 && a.ModelCode2 == b.ModelCode2 &&
         a.ModelCode5 == b.ModelCode5;
}

void ClearOptions(ModelRecord* model) {
  model->Option01 = TextList{std::string()};
  model->Option02 = TextList{std::string()};
  model->Option03 = TextList{std::string()};
  model->OptionXX = TextList{std::string()};
  model->OptionValues = OptionValueTable();
}

void Append(TextList* list, const TextList& tail) {
  list->insert(list->end(), tail.begin(), tail.end());
}

// Joins the capacity lists of the two classes of one inverter type: the small
// capacities first.
void JoinCapacities(ModelRecord* model, const ModelRecord& other) {
  const bool own_first = model->Capacity.empty() || IsSmallCapacity(model->Capacity.front());
  TextList ModelRecord::*lists[] = {&ModelRecord::Capacity,  &ModelRecord::Current01,
                                    &ModelRecord::Current02, &ModelRecord::Current03,
                                    &ModelRecord::Current04, &ModelRecord::TypeName};
  for (TextList ModelRecord::*list : lists) {
    TextList joined = own_first ? model->*list : other.*list;
    Append(&joined, own_first ? other.*list : model->*list);
    model->*list = std::move(joined);
  }
  model->CapacityClass = CapacityClassOf(model->Capacity);
}

// Types without plug-in option slots keep empty option lists in the catalogue.
bool HasNoOptionSlots(const ModelRecord& model) {
  const int16_t type = ModelTypeNumber(model.ModelCode1);
  return type == 4 || type == 30 || type == 31;
}

}  // namespace

void MergeEditModel(EditorState& state) {
  ModelRecord& edit = state.Buffer.EditModel;
  if (edit.ModelName.empty()) return;
  ModelCatalogue& catalogue = state.Catalogue;

  if (state.EditMode == kEditModeNew || state.EditMode == kEditModeEdit) {
    const auto existing = std::find_if(catalogue.begin(), catalogue.end(),
                                       [&](const ModelRecord& m) { return SameIdentity(m, edit); });
    if (existing != catalogue.end()) {
      if (state.EditMode == kEditModeNew) JoinCapacities(&edit, *existing);
      catalogue.erase(existing);
    }
  }

  ModelRecord copy = edit;
  copy.ParamFile = RemoveLargeCapacityMark(copy.ParamFile);
  if (copy.OptionXX.empty() || copy.OptionXX.front().empty()) ClearOptions(&copy);

  const long last = static_cast<long>(catalogue.size()) + 1;
  const long position = std::clamp(static_cast<long>(state.ListPosition), 1L, last);
  catalogue.insert(catalogue.begin() + (position - 1), std::move(copy));

  for (ModelRecord& model : catalogue) {
    if (HasNoOptionSlots(model)) ClearOptions(&model);
  }
}

}  // namespace pfedit
