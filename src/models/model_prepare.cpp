#include "models/model_prepare.h"

#include <array>
#include <vector>

#include "core/ascii.h"
#include "core/value_tables.h"
#include "models/model_info_rules.h"

namespace pfedit::models {

namespace {

std::string InsertLargeMark(std::string_view name, std::size_t at) {
  std::string result(name.substr(0, at));
  result += 'l';
  result += name.substr(at);
  return result;
}

// Both places count back from a fixed point; a name too short for them
// cannot carry the letter there, so it goes in front.
std::size_t BeforeSeries(std::size_t dash) {
  return dash >= 4 ? dash - 4 : 0;
}
std::size_t BeforeLastEight(std::string_view name) {
  return name.size() >= 8 ? name.size() - 8 : 0;
}

// The six rating lists of a record, entry i of each belonging together.
std::array<TextList*, 6> RatingLists(ModelRecord& model) {
  return {&model.Capacity,  &model.Current01, &model.Current02,
          &model.Current03, &model.Current04, &model.TypeName};
}

// Keeps the entries of every rating list whose index `keep` accepts. Lists
// shorter than Capacity lose only what they have; a list left empty holds
// one empty entry, as every list of a record does.
template <typename Keep>
void FilterRatings(ModelRecord& model, Keep keep) {
  std::vector<bool> kept(model.Capacity.size());
  for (std::size_t i = 0; i < kept.size(); ++i) kept[i] = keep(i);
  for (TextList* list : RatingLists(model)) {
    TextList result;
    for (std::size_t i = 0; i < list->size() && i < kept.size(); ++i) {
      if (kept[i]) result.push_back((*list)[i]);
    }
    if (result.empty()) result.emplace_back();
    *list = std::move(result);
  }
}

// The model's options when it has any; otherwise none, whatever stray
// slot entries its lists hold.
void CopyOptions(const ModelRecord& from, ModelRecord& to) {
  if (!from.OptionXX.empty() && !from.OptionXX.front().empty()) {
    to.Option01 = from.Option01;
    to.Option02 = from.Option02;
    to.Option03 = from.Option03;
    to.OptionXX = from.OptionXX;
    to.OptionValues = from.OptionValues;
  } else {
    to.Option01 = to.Option02 = to.Option03 = to.OptionXX = TextList{std::string()};
    to.OptionValues = OptionValueTable{};
  }
  to.OptionSlotCnt = from.OptionSlotCnt;
}

// A first model type: characters 3 and 4 of ModelCode1 as a decimal number
// (the digits there, up to the first other character). The model
// information dialog refines it.
int16_t FirstModelType(std::string_view model_code1) {
  int16_t type = 0;
  for (std::size_t i = 2; i < 4 && i < model_code1.size() && IsDigit(model_code1[i]); ++i) {
    type = static_cast<int16_t>(type * 10 + (model_code1[i] - '0'));
  }
  return type;
}

std::string ParamFileForClass(const ModelRecord& model, int16_t capacity_class) {
  return capacity_class == kClassLarge ? LargeCapacityParamFile(model) : model.ParamFile;
}

}  // namespace

std::string LargeCapacityFileName(std::string_view param_file) {
  const std::size_t dash = param_file.find('-');
  return InsertLargeMark(param_file, dash != std::string_view::npos ? BeforeSeries(dash)
                                                                    : BeforeLastEight(param_file));
}

std::string LargeCapacityParamFile(const ModelRecord& model) {
  const std::string& name = model.ParamFile;
  const bool special = !model.ModelCode5.empty() && model.ModelCode5 != kPlainModelCode5;
  const std::size_t dash = name.find('-');
  // A special model's name without "-" has no place before a series; it
  // takes the letter where the selection dialog looked for the file.
  if (special && dash != std::string::npos) return InsertLargeMark(name, BeforeSeries(dash));
  return InsertLargeMark(name, BeforeLastEight(name));
}

std::optional<std::size_t> FindModel(const ModelCatalogue& catalogue, std::string_view code1,
                                     std::string_view code2, std::string_view code5) {
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const ModelRecord& model = catalogue[i];
    if (model.ModelCode1 == code1 && model.ModelCode2 == code2 && model.ModelCode5 == code5) {
      return i;
    }
  }
  return std::nullopt;
}

ModelSelection SelectedModel(const EditorState& state) {
  return {state.SelectedModelCode1, state.SelectedModelCode2, state.SelectedModelCode5,
          state.SelectedCapacityClass};
}

namespace {

std::optional<std::size_t> Find(const EditorState& state, const ModelSelection& selection) {
  return FindModel(state.Catalogue, selection.code1, selection.code2, selection.code5);
}

}  // namespace

void PrepareNewModel(EditorState& state, const ModelSelection& selection) {
  state.EditCapacityClass = selection.capacity_class;
  const std::optional<std::size_t> found = Find(state, selection);
  if (!found) return;
  const ModelRecord& base = state.Catalogue[*found];

  // Every field comes from the base model; the file and the ratings then
  // follow the chosen class.
  ModelRecord draft = base;
  draft.ParamFile = ParamFileForClass(base, state.EditCapacityClass);

  // The catalogue keeps the small capacities before the large ones, so the
  // first `small` entries are the small class, by position.
  std::size_t small = 0;
  for (const std::string& capacity : base.Capacity) {
    if (IsSmallCapacity(capacity)) ++small;
  }
  const bool small_class = state.EditCapacityClass == kClassSmall;
  FilterRatings(draft, [&](std::size_t i) { return small_class ? i < small : i >= small; });
  draft.CapacityClass = small_class ? kClassSmall : kClassLarge;

  CopyOptions(base, draft);
  state.EditModelType = FirstModelType(base.ModelCode1);
  state.Buffer.ModelInfoDraft = std::move(draft);
}

void PrepareEditModel(EditorState& state, const ModelSelection& selection) {
  state.EditCapacityClass = selection.capacity_class;
  const std::optional<std::size_t> found = Find(state, selection);
  if (!found) return;
  const ModelRecord& model = state.Catalogue[*found];
  ModelRecord edit = model;
  edit.ParamFile = ParamFileForClass(model, state.EditCapacityClass);
  CopyOptions(model, edit);
  state.Buffer.EditModel = std::move(edit);
  state.EditModelType = FirstModelType(model.ModelCode1);
}

void PrepareDeleteModel(EditorState& state, const ModelSelection& selection) {
  state.Buffer.EditModel = ModelRecord{};
  const std::optional<std::size_t> found = Find(state, selection);
  if (!found) return;
  ModelRecord& model = state.Catalogue[*found];
  if (model.CapacityClass != kClassBoth) {
    if (model.CapacityClass != selection.capacity_class) return;
    ModelCatalogue rest;
    rest.reserve(state.Catalogue.size() - 1);
    for (const ModelRecord& other : state.Catalogue) {
      if (other.ModelCode1 != selection.code1 || other.ModelCode2 != selection.code2 ||
          other.ModelCode5 != selection.code5) {
        rest.push_back(other);
      }
    }
    state.Catalogue = std::move(rest);
    state.ModelInfoDirty = true;
    return;
  }
  // A two-class model keeps its entry and its file names; only the ratings
  // of the deleted class go.
  if (selection.capacity_class != kClassLarge && selection.capacity_class != kClassSmall) return;
  const bool keep_small = selection.capacity_class == kClassLarge;
  const TextList capacities = model.Capacity;
  FilterRatings(model, [&](std::size_t i) { return IsSmallCapacity(capacities[i]) == keep_small; });
  model.CapacityClass = keep_small ? kClassSmall : kClassLarge;
}

}  // namespace pfedit::models
