#include "catalogue/catalogue_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/message_ids.h"
#include "core/model_codes.h"
#include "core/paths.h"
#include "core/platform.h"
#include "core/text_services.h"
#include "core/value_tables.h"

namespace pfedit {

namespace {

// Three flags, at least one set. The value comes trimmed.
bool IsValidComResource(std::string_view value) {
  if (value.size() != 3 || value == "000") return false;
  for (const char c : value) {
    if (c != '0' && c != '1') return false;
  }
  return true;
}

void AppendNumber(std::size_t number, std::string* text) {
  char digits[24];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) *text += digits[--count];
}

// The keys of one section after the other, read the way the catalogue
// expects them. Values are views into the text; each is copied once, into
// the record's field, and every list is built at its final size.
class SectionReader {
 public:
  SectionReader(const Profile& profile, char decimal_separator)
      : profile_(profile), separator_(decimal_separator) {}

  void Select(std::string_view section) { section_ = section; }
  char separator() const { return separator_; }

  std::optional<std::string_view> Text(std::string_view key) const {
    return ReadKey(profile_, section_, key);
  }

  // A trimmed text that must be present and pass the test.
  bool Checked(std::string_view key, bool (*valid)(std::string_view), std::string* value) const {
    const std::optional<std::string_view> text = Text(key);
    if (!text) return false;
    value->assign(Trim(*text));
    return valid == nullptr || valid(*value);
  }

  // The family prefix1, prefix2, ... up to the first missing or empty key
  // (an empty list when there is none).
  void Numbered(std::string_view prefix, bool decimal, TextList* list) {
    values_.clear();
    key_.assign(prefix);
    for (std::size_t index = 1;; ++index) {
      key_.resize(prefix.size());
      AppendNumber(index, &key_);
      const std::optional<std::string_view> value = Text(key_);
      if (!value) break;
      values_.push_back(*value);
    }
    list->clear();
    list->reserve(values_.size());
    for (const std::string_view value : values_) {
      std::string normalized = decimal ? NormalizeDecimal(value, separator_) : std::string();
      if (normalized.empty()) {
        list->emplace_back(value);
      } else {
        list->push_back(std::move(normalized));
      }
    }
  }

  // A list that is never empty: no key gives one empty entry.
  void Options(std::string_view prefix, TextList* list) {
    Numbered(prefix, false, list);
    if (list->empty()) list->emplace_back();
  }

 private:
  const Profile& profile_;
  std::string_view section_;
  char separator_;
  std::string key_;
  std::vector<std::string_view> values_;  // the family being read
};

// Option01 followed by every new non-empty name of Option02 and Option03.
TextList OptionUnion(const ModelRecord& model) {
  TextList names = model.Option01;
  // Option lists are short; a set only pays off for long ones.
  const bool long_lists = model.Option02.size() + model.Option03.size() > 32;
  std::unordered_set<std::string_view> seen;
  if (long_lists) seen.insert(model.Option01.begin(), model.Option01.end());
  for (const TextList* slot : {&model.Option02, &model.Option03}) {
    for (const std::string& name : *slot) {
      if (name.empty()) continue;
      const bool known = long_lists ? !seen.insert(name).second
                                    : std::find(names.begin(), names.end(), name) != names.end();
      if (!known) names.push_back(name);
    }
  }
  return names;
}

Status ReadModel(SectionReader& reader, ModelRecord* model) {
  const std::optional<std::string_view> name = reader.Text("ModelName");
  if (!name) return msg::kBadModelName;
  model->ModelName.assign(Trim(*name));
  if (!reader.Checked("ModelCode1", IsValidModelCode, &model->ModelCode1))
    return msg::kBadModelCode1;
  if (!reader.Checked("ModelCode2", IsValidModelCode, &model->ModelCode2))
    return msg::kBadModelCode2;
  if (const std::optional<std::string_view> code5 = reader.Text("ModelCode5")) {
    model->ModelCode5.assign(Trim(*code5));
    if (!IsValidModelCode(model->ModelCode5)) return msg::kBadModelCode5;
  }
  if (!reader.Checked("ComResource", IsValidComResource, &model->ComResource)) {
    return msg::kBadComResource;
  }
  if (!reader.Checked("ParamFile", nullptr, &model->ParamFile)) return msg::kBadParamFile;
  if (!reader.Checked("FilterFile", nullptr, &model->FilterFile)) return msg::kBadFilterFile;
  if (!reader.Checked("HelpFile", nullptr, &model->HelpFile)) return msg::kBadHelpFile;

  reader.Numbered("Capacity", true, &model->Capacity);
  if (model->Capacity.empty()) return msg::kBadCapacity;
  TextList* currents[] = {&model->Current01, &model->Current02, &model->Current03,
                          &model->Current04};
  const char* current_keys[] = {"Current01_", "Current02_", "Current03_", "Current04_"};
  for (int i = 0; i < 4; ++i) {
    reader.Numbered(current_keys[i], true, currents[i]);
    if (currents[i]->empty()) return static_cast<Status>(msg::kBadCurrent01 + i);
  }
  reader.Numbered("TypeName", false, &model->TypeName);
  if (model->TypeName.empty()) return msg::kBadTypeName;

  reader.Options("Option01_", &model->Option01);
  reader.Options("Option02_", &model->Option02);
  reader.Options("Option03_", &model->Option03);
  reader.Options("OptionXX_", &model->OptionXX);
  if (model->OptionXX.front().empty()) model->OptionXX = OptionUnion(*model);

  model->OptionValues.names = model->OptionXX;
  model->OptionValues.values.assign(model->OptionXX.size(), std::string());
  for (std::size_t i = 0; i < model->OptionXX.size(); ++i) {
    const std::string& option = model->OptionXX[i];
    if (option.empty()) continue;
    if (const std::optional<std::string_view> value = reader.Text(option)) {
      model->OptionValues.values[i].assign(*value);
    }
  }

  model->OptionSlotCnt.clear();
  const std::optional<std::string_view> slots = reader.Text("OptionSlotCnt");
  if (slots && IsNumericValue(*slots, reader.separator())) {
    model->OptionSlotCnt.assign(Trim(*slots));
  }
  model->CapacityClass = CapacityClassOf(model->Capacity);
  return kStatusOk;
}

}  // namespace

CatalogueReadResult ReadCatalogueProfile(const Profile& profile, char decimal_separator) {
  CatalogueReadResult result;
  result.found = true;
  std::vector<std::string> sections;
  if (!ReadSectionNames(profile, &sections, &result.overflow)) {
    result.status = msg::kNoSection;
    return result;
  }
  ModelCatalogue models(sections.size());
  SectionReader reader(profile, decimal_separator);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    reader.Select(sections[i]);
    const Status status = ReadModel(reader, &models[i]);
    if (status != kStatusOk) {
      result.status = status;
      return result;
    }
  }
  result.models = std::move(models);
  return result;
}

CatalogueReadResult ReadCatalogueText(std::string_view text, char decimal_separator) {
  const ProfileIndex index(WithoutByteOrderMark(text));
  return ReadCatalogueProfile(index, decimal_separator);
}

CatalogueReadResult ReadCatalogueFile(const std::string& path, char decimal_separator,
                                      FileSystem& files) {
  std::string text;
  const FileResult read = files.ReadAll(path, &text);
  if (!read.ok()) {
    CatalogueReadResult result;
    result.found = read.outcome != FileOutcome::kMissing;
    if (result.found) result.status = msg::kNoSection;
    result.reason = read.reason;
    result.fingerprint = FingerprintOfRead(path, read, text);
    return result;
  }
  CatalogueReadResult result = ReadCatalogueText(text, decimal_separator);
  result.fingerprint = FingerprintOf(path, text);
  return result;
}

CatalogueReadResult ReadCatalogueFile(const std::string& path) {
  return ReadCatalogueFile(path, platform::LocaleDecimalSeparator());
}

std::string CatalogueFilePath(std::string_view folder) {
  return JoinPath(folder, kCatalogueFileName);
}

std::string InsertLargeCapacityMark(std::string_view param_file) {
  const std::size_t dash = param_file.rfind('-');
  std::size_t at = 0;
  if (dash != std::string_view::npos) {
    at = dash >= 4 ? dash - 4 : 0;
  } else if (param_file.size() >= 8) {
    at = param_file.size() - 8;
  }
  std::string result(param_file.substr(0, at));
  result += 'l';
  result += param_file.substr(at);
  return result;
}

std::string RemoveLargeCapacityMark(std::string_view param_file) {
  std::string result(param_file);
  const std::size_t mark = result.find("l_");
  if (mark != std::string::npos) result.erase(mark, 1);
  return result;
}

Status TakeImportedModel(const CatalogueReadResult& read, ModelRecord* model,
                         int16_t* capacity_class) {
  if (read.models.size() != 1) return msg::kBadImportFile;
  *model = read.models.front();
  if (IsSmallCapacity(model->Capacity.back())) {
    *capacity_class = kClassSmall;
  } else {
    *capacity_class = kClassLarge;
    model->ParamFile = InsertLargeCapacityMark(model->ParamFile);
  }
  return kStatusOk;
}

}  // namespace pfedit
