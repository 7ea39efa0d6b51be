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
// capacities first. The class becomes "both", as reading the saved catalogue
// would give it: the model in memory then agrees with its entry on disk, and
// an export of it writes only the capacities of the class being edited.
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

MergedCatalogue MergeEditModel(const ModelCatalogue& catalogue, const ModelRecord& edit_model,
                               MergeKind kind, int16_t list_position) {
  MergedCatalogue merged{catalogue, edit_model};
  if (edit_model.ModelName.empty()) return merged;
  ModelCatalogue& models = merged.catalogue;
  ModelRecord& edit = merged.edit_model;

  if (kind != MergeKind::kPlaceOnly) {
    const auto existing = std::find_if(models.begin(), models.end(),
                                       [&](const ModelRecord& m) { return SameIdentity(m, edit); });
    if (existing != models.end()) {
      if (kind == MergeKind::kNewModel) JoinCapacities(&edit, *existing);
      models.erase(existing);
    }
  }

  ModelRecord copy = edit;
  copy.ParamFile = RemoveLargeCapacityMark(copy.ParamFile);
  if (copy.OptionXX.empty() || copy.OptionXX.front().empty()) ClearOptions(&copy);

  const long last = static_cast<long>(models.size()) + 1;
  const long position = std::clamp(static_cast<long>(list_position), 1L, last);
  models.insert(models.begin() + (position - 1), std::move(copy));

  for (ModelRecord& model : models) {
    if (HasNoOptionSlots(model)) ClearOptions(&model);
  }
  return merged;
}

}  // namespace pfedit
