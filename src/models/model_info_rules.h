#pragma once

// How the model information dialog turns a ModelRecord into its content and
// back: the type name split into base name and special name, the special
// name's code in ModelCode5, the parameter file name that follows the type
// name, the rating rows split by capacity class, the option slots with their
// forbidden cells, and the change detection. Everything works on values, so
// the dialog's view only copies ModelInfoContent to and from its controls.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor_state.h"
#include "core/records.h"

namespace pfedit::models {

// ModelCode5 of a model without a special name.
constexpr std::string_view kPlainModelCode5 = "0x80000000";

// A special name has at most this many characters, each 0-9 or A-Z.
constexpr std::size_t kMaxSpecialNameLength = 3;

// Columns of the rating table, in table order.
enum RatingColumn : int {
  kRatingCapacity = 0,
  kRatingCurrent01,
  kRatingCurrent02,
  kRatingCurrent03,
  kRatingCurrent04,
  kRatingTypeName,
  kRatingColumnCount,
};
using RatingRow = std::array<std::string, kRatingColumnCount>;

constexpr int kMaxOptionSlots = 3;

struct OptionRow {
  std::string Name;                            // the row header
  std::array<bool, kMaxOptionSlots> Ticked{};  // slot columns 1 to 3
  std::array<bool, kMaxOptionSlots> Locked{};  // forbidden: locked and painted grey
};

// The content of the model information dialog.
struct ModelInfoContent {
  std::string BaseTypeName;  // the type name without the special name
  std::string SpecialName;
  std::array<bool, 3> Communication{};  // USB, RS485, PU
  std::vector<RatingRow> RatingRows;    // the capacity class being edited
  std::vector<RatingRow> OtherClassRows;
  int SmallRowCount = 0;
  int LargeRowCount = 0;
  int SlotColumns = 0;  // 0 to kMaxOptionSlots
  bool OptionTableEnabled = false;
  std::vector<OptionRow> OptionRows;

  // "Plug-in &Option", or "Plug-in Option" when the model has no slot.
  int OptionCaptionMessage() const { return SlotColumns == 0 ? 80 : 67; }
};

// The special name held in a ModelCode5: empty for an empty code, the plain
// code or a code ending in six zeros; else one to three characters, one per
// pair of hexadecimal digits from character 5 on.
std::string DecodeSpecialName(std::string_view model_code5);

// "0x80" and the character codes of the name's characters as two capital
// hexadecimal digits each, padded with "00" to ten characters.
std::string EncodeSpecialName(std::string_view special_name);

// The series suffix of a type name and the short form it takes in file names.
struct SeriesSuffix {
  std::string full;
  std::string short_form;
};
SeriesSuffix SplitSeriesSuffix(std::string_view type_name);

// A model with four rated currents (SLD, LD, ND, HD) per capacity.
bool IsFourRatingModel(const ModelRecord& model);

// The number of option slots of a model whose OptionSlotCnt is empty, from its
// model type number.
int DerivedSlotCount(int16_t model_type, const ModelRecord& model);

// The special name of the file name, removed: the first "-" + lower-case
// decoded name of the old ModelCode5.
std::string WithoutSpecialSuffix(const std::string& param_file, std::string_view model_code5);
// The parameter file stem of a base type name (before the last 8 characters).
std::string ParamFileStem(std::string_view base_type_name, int16_t edit_capacity_class);
// The file name with the special name as its suffix (or none for empty).
std::string WithSpecialSuffix(const std::string& param_file, std::string_view special_name);

// Fills the content from a record for a capacity class (1 large, 2 small).
// Sets *model_type to the ModelTypeNumber of ModelCode1 and, when the
// record's OptionSlotCnt is empty, stores the derived slot count there.
ModelInfoContent FillModelInfo(ModelRecord& source, int16_t capacity_class, int16_t* model_type);

// From EditModel with EditCapacityClass; from ModelInfoDraft with its own
// CapacityClass. Both set EditModelType.
ModelInfoContent FillFromEditModel(EditorState& state);
ModelInfoContent FillFromDraft(EditorState& state);

// Writes the content into a record, in the order of the writing steps. The
// parameter file stem follows the type name only when the dialog was
// accepted.
void ModelChange(const ModelInfoContent& content, ModelRecord& target, bool model_info_accepted,
                 int16_t edit_capacity_class);
// Into EditModel, with ModelInfoAccepted and EditCapacityClass.
void ModelChange(const ModelInfoContent& content, EditorState& state);

// Whether writing would change the record (the stem left as it is).
bool chkModelChange(const ModelInfoContent& content, const ModelRecord& target,
                    int16_t edit_capacity_class);
bool chkModelChange(const ModelInfoContent& content, const EditorState& state);

}  // namespace pfedit::models
