#include "models/model_info_rules.h"

#include <charconv>
#include <cmath>

#include "core/model_codes.h"
#include "core/text_services.h"
#include "core/value_tables.h"

namespace pfedit::models {

namespace {

// File names are lower-cased byte by byte: only A-Z change, so bytes of a
// multi-byte code page stay as they are.
std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The first `count` bytes; none for a negative count.
std::string Left(const std::string& text, long long count) {
  return count <= 0 ? std::string() : text.substr(0, static_cast<std::size_t>(count));
}

std::string Right(const std::string& text, std::size_t count) {
  return text.size() <= count ? text : text.substr(text.size() - count);
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The character whose code is the two hexadecimal digits at `index`.
char CharacterOfHexPair(std::string_view code, std::size_t index) {
  const std::string decimal = HexToDecimalText(code.substr(index, 2));
  unsigned value = 0;
  std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
  return static_cast<char>(value);
}

bool FirstEntryFilled(const TextList& list) {
  return !list.empty() && !list.front().empty();
}

const std::string& EntryOrEmpty(const TextList& list, std::size_t i) {
  static const std::string kEmpty;
  return i < list.size() ? list[i] : kEmpty;
}

// The six parallel rating lists of a record, in table column order.
std::array<TextList*, kRatingColumnCount> RatingLists(ModelRecord& m) {
  return {&m.Capacity, &m.Current01, &m.Current02, &m.Current03, &m.Current04, &m.TypeName};
}

std::array<TextList*, kMaxOptionSlots> SlotLists(ModelRecord& m) {
  return {&m.Option01, &m.Option02, &m.Option03};
}

// The slot columns a non-empty OptionSlotCnt gives: its whole number, within
// the table's width.
int SlotColumnsOf(std::string_view slot_count) {
  double value = 0.0;
  if (!ParseDecimal(slot_count, &value)) return 0;
  const double columns = std::trunc(value);
  if (columns <= 0.0) return 0;
  return columns >= kMaxOptionSlots ? kMaxOptionSlots : static_cast<int>(columns);
}

// Slots an option cannot take, by the slot count text of the model.
void LockForbiddenCells(OptionRow& row, std::string_view slot_count) {
  const bool n_board = Contains(row.Name, "9N");
  if (slot_count == "3") {
    if (row.Name == "QX-K9PL") row.Locked[0] = true;
    if (n_board) row.Locked[0] = row.Locked[1] = true;
  } else if (slot_count == "2") {
    if (n_board) row.Locked[0] = true;
  }
}

void FillOptions(ModelInfoContent& content, ModelRecord& source) {
  const TextList* names = nullptr;
  if (FirstEntryFilled(source.OptionXX)) {
    names = &source.OptionXX;
  } else if (FirstEntryFilled(source.OptionValues.names)) {
    names = &source.OptionValues.names;
  }
  if (names == nullptr) return;
  const auto slots = SlotLists(source);
  for (const std::string& name : *names) {
    OptionRow row;
    row.Name = name;
    LockForbiddenCells(row, source.OptionSlotCnt);
    for (int k = 0; k < content.SlotColumns; ++k) {
      const TextList& slot = *slots[static_cast<std::size_t>(k)];
      if (!FirstEntryFilled(slot)) continue;
      for (const std::string& entry : slot) {
        if (entry == name) row.Ticked[static_cast<std::size_t>(k)] = true;
      }
    }
    content.OptionRows.push_back(std::move(row));
  }
}

// An empty list is kept as one empty entry, the form of a list whose keys
// are missing.
void SetList(TextList& list, TextList entries) {
  if (entries.empty()) entries.emplace_back();
  list = std::move(entries);
}

void WriteRatings(const ModelInfoContent& content, ModelRecord& target, int16_t capacity_class) {
  // Large rows follow small ones, whichever class the table shows.
  const bool large = capacity_class == kClassLarge;
  const std::vector<RatingRow>& first = large ? content.OtherClassRows : content.RatingRows;
  const std::vector<RatingRow>& second = large ? content.RatingRows : content.OtherClassRows;
  const auto lists = RatingLists(target);
  for (std::size_t column = 0; column < lists.size(); ++column) {
    TextList entries;
    entries.reserve(first.size() + second.size());
    for (const RatingRow& row : first) entries.push_back(row[column]);
    for (const RatingRow& row : second) entries.push_back(row[column]);
    SetList(*lists[column], std::move(entries));
  }
}

void WriteOptions(const ModelInfoContent& content, ModelRecord& target) {
  const auto slots = SlotLists(target);
  for (int k = 0; k < kMaxOptionSlots; ++k) {
    TextList entries;
    if (k < content.SlotColumns) {
      for (const OptionRow& row : content.OptionRows) {
        if (row.Ticked[static_cast<std::size_t>(k)]) entries.push_back(row.Name);
      }
    }
    SetList(*slots[static_cast<std::size_t>(k)], std::move(entries));
  }
}

}  // namespace

std::string DecodeSpecialName(std::string_view model_code5) {
  if (model_code5.empty() || model_code5 == kPlainModelCode5) return std::string();
  if (model_code5.size() >= 6 && model_code5.substr(model_code5.size() - 6) == "000000") {
    return std::string();
  }
  // A short code reads as if padded with zeros to its ten characters.
  std::string code(model_code5);
  if (code.size() < 10) code.append(10 - code.size(), '0');
  std::string name(1, CharacterOfHexPair(code, 4));
  if (code.compare(6, 4, "0000") == 0) return name;
  name += CharacterOfHexPair(code, 6);
  if (code.compare(8, 2, "00") == 0) return name;
  name += CharacterOfHexPair(code, 8);
  return name;
}

std::string EncodeSpecialName(std::string_view special_name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string code(kPlainModelCode5.substr(0, 4));
  for (std::size_t i = 0; i < kMaxSpecialNameLength; ++i) {
    if (i < special_name.size()) {
      const auto byte = static_cast<unsigned char>(special_name[i]);
      code += kHex[byte >> 4];
      code += kHex[byte & 0xF];
    } else {
      code += "00";
    }
  }
  return code;
}

SeriesSuffix SplitSeriesSuffix(std::string_view type_name) {
  if (Contains(type_name, "B3-")) return {"B3-", "B3"};
  if (Contains(type_name, "QX-M5")) {
    if (Contains(type_name, "-SC")) return {"-SC", "SC"};
    if (Contains(type_name, "-NC")) return {"-NC", "NC"};
    return {};
  }
  if (Contains(type_name, "QX-N5")) {
    if (Contains(type_name, "-G")) return {"-G", "G"};
    if (Contains(type_name, "(-SC)")) return {"(-SC)", "SC"};
  }
  return {};
}

bool IsFourRatingModel(const ModelRecord& model) {
  return (CodeHexValue(model.ModelCode2) & kRatingKindMask) != 0;
}

int DerivedSlotCount(int16_t model_type, const ModelRecord& model) {
  switch (model_type) {
    case 4:
    case 30:
    case 31:
      return 0;
    case 5:
    case 29:
    case 34:
      return 1;
    case 6: {
      const uint32_t kind = CodeHexValue(model.ModelCode2) & kRatingKindMask;
      if (kind != 0x010000 && kind != 0x020000) return 1;
      return FirstEntryFilled(model.Option02) ? 2 : 1;
    }
    default:
      return kMaxOptionSlots;
  }
}

std::string WithoutSpecialSuffix(const std::string& param_file, std::string_view model_code5) {
  if (model_code5.empty() || model_code5 == kPlainModelCode5) return param_file;
  const std::string old_name = DecodeSpecialName(model_code5);
  // A code that holds no name has no suffix to remove (a bare "-" of the
  // file name is no suffix).
  if (old_name.empty()) return param_file;
  std::string result = param_file;
  const std::string suffix = "-" + AsciiLower(old_name);
  const std::size_t at = result.find(suffix);
  if (at != std::string::npos) result.erase(at, suffix.size());
  return result;
}

std::string ParamFileStem(std::string_view base_type_name, int16_t edit_capacity_class) {
  std::string name(base_type_name);
  const SeriesSuffix suffix = SplitSeriesSuffix(name);
  if (!suffix.full.empty()) ReplaceAll(name, suffix.full, suffix.short_form);
  const std::size_t first_dash = name.find('-');
  const std::size_t second_dash =
      first_dash == std::string::npos ? std::string::npos : name.find('-', first_dash + 1);
  std::string stem = name.substr(0, second_dash);
  for (char& c : stem) {
    if (c == '-') c = '_';
  }
  stem = AsciiLower(stem);
  if (edit_capacity_class == kClassLarge) stem += 'l';
  return stem;
}

std::string WithSpecialSuffix(const std::string& param_file, std::string_view special_name) {
  const std::string s = AsciiLower(special_name);
  const auto length = static_cast<long long>(param_file.size());
  const bool dash_before_extension = length >= 5 && param_file[param_file.size() - 5] == '-';
  if (dash_before_extension) {
    return s.empty() ? Left(param_file, length - 5) + ".vfd"
                     : Left(param_file, length - 4) + s + ".vfd";
  }
  return s.empty() ? Left(param_file, length - 4) + ".vfd"
                   : Left(param_file, length - 4) + "-" + s + ".vfd";
}

ModelInfoContent FillModelInfo(ModelRecord& source, int16_t capacity_class, int16_t* model_type) {
  ModelInfoContent content;
  const std::string special = DecodeSpecialName(source.ModelCode5);
  content.BaseTypeName = source.ModelName;
  if (!special.empty()) {
    const std::size_t at = source.ModelName.rfind("-" + special);
    if (at != std::string::npos) content.BaseTypeName = source.ModelName.substr(0, at);
    content.SpecialName = special;
  }
  for (std::size_t i = 0; i < content.Communication.size(); ++i) {
    content.Communication[i] = i < source.ComResource.size() && source.ComResource[i] == '1';
  }
  const int16_t type = ModelTypeNumber(source.ModelCode1);
  *model_type = type;

  const auto lists = RatingLists(source);
  for (std::size_t i = 0; i < source.Capacity.size(); ++i) {
    const bool small = IsSmallCapacity(source.Capacity[i]);
    (small ? content.SmallRowCount : content.LargeRowCount) += 1;
    RatingRow row;
    for (std::size_t column = 0; column < lists.size(); ++column) {
      row[column] = EntryOrEmpty(*lists[column], i);
    }
    const bool shown = small ? capacity_class == kClassSmall : capacity_class == kClassLarge;
    (shown ? content.RatingRows : content.OtherClassRows).push_back(std::move(row));
  }

  if (!source.OptionSlotCnt.empty()) {
    content.SlotColumns = SlotColumnsOf(source.OptionSlotCnt);
  } else {
    content.SlotColumns = DerivedSlotCount(type, source);
    source.OptionSlotCnt = std::to_string(content.SlotColumns);
  }
  content.OptionTableEnabled = content.SlotColumns > 0;
  FillOptions(content, source);
  return content;
}

ModelInfoContent FillFromEditModel(EditorState& state) {
  return FillModelInfo(state.Buffer.EditModel, state.EditCapacityClass, &state.EditModelType);
}

ModelInfoContent FillFromDraft(EditorState& state) {
  ModelRecord& draft = state.Buffer.ModelInfoDraft;
  return FillModelInfo(draft, draft.CapacityClass, &state.EditModelType);
}

void ModelChange(const ModelInfoContent& content, ModelRecord& target, bool model_info_accepted,
                 int16_t edit_capacity_class) {
  // The old suffix is found through the old code, so it goes first.
  target.ParamFile = WithoutSpecialSuffix(target.ParamFile, target.ModelCode5);
  if (content.SpecialName.empty()) {
    target.ModelName = content.BaseTypeName;
    target.ModelCode5 = std::string(kPlainModelCode5);
  } else {
    target.ModelName = content.BaseTypeName + "-" + content.SpecialName;
    target.ModelCode5 = EncodeSpecialName(content.SpecialName);
  }
  target.ComResource.clear();
  for (const bool ticked : content.Communication) target.ComResource += ticked ? '1' : '0';
  if (model_info_accepted) {
    target.ParamFile =
        ParamFileStem(content.BaseTypeName, edit_capacity_class) + Right(target.ParamFile, 8);
  }
  target.ParamFile = WithSpecialSuffix(target.ParamFile, content.SpecialName);
  WriteRatings(content, target, edit_capacity_class);
  WriteOptions(content, target);
}

void ModelChange(const ModelInfoContent& content, EditorState& state) {
  ModelChange(content, state.Buffer.EditModel, state.ModelInfoAccepted, state.EditCapacityClass);
}

bool chkModelChange(const ModelInfoContent& content, const ModelRecord& target,
                    int16_t edit_capacity_class) {
  ModelRecord written = target;
  ModelChange(content, written, false, edit_capacity_class);
  return written != target;
}

bool chkModelChange(const ModelInfoContent& content, const EditorState& state) {
  return chkModelChange(content, state.Buffer.EditModel, state.EditCapacityClass);
}

}  // namespace pfedit::models
