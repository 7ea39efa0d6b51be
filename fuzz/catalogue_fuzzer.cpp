// Catalogue text of any bytes. Beyond not crashing:
// - the one-pass index and the plain per-key scan read the same models and
//   status, and find the same values in any order of lookups (the index may
//   never answer differently from the rules);
// - the index's tables pass few slots per line, whatever the names (a hash
//   that merges names which differ shows up here);
// - a failed read gives one of the reader's statuses and holds no models, and
//   the status does not depend on the decimal separator;
// - models whose values the file syntax can carry unchanged, written and read
//   again, are the same models, and writing them again gives the same bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "catalogue/profile.h"
#include "core/ascii.h"
#include "core/file_system.h"
#include "core/model_codes.h"
#include "core/text_services.h"
#include "fuzz_check.h"
#include "oracle/profile_scan.h"

namespace {

using pfedit::fuzz::All;
using pfedit::fuzz::Check;
using pfedit::fuzz::IsPointNumber;

using namespace pfedit;

// A value that a key line gives back as it is: no blanks at its ends, not
// wrapped in a pair of quotes.
bool IsPlain(std::string_view value) {
  if (value.empty()) return true;
  if (IsBlank(value.front()) || IsBlank(value.back())) return false;
  const char first = value.front();
  return !(value.size() >= 2 && (first == '"' || first == '\'') && value.back() == first);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

// An option name used as a key: a key line of its own that no earlier key of
// the written section shadows.
bool IsOwnKey(std::string_view name) {
  if (name.empty() || !IsPlain(name) || name.find('=') != std::string_view::npos) return false;
  if (name.front() == ';' || name.front() == '[') return false;
  for (const char* key : {"ModelName", "ModelCode", "ComResource", "ParamFile", "FilterFile",
                          "HelpFile", "Capacity", "Current", "TypeName", "Option"}) {
    if (StartsWithIgnoreCase(name, key)) return false;
  }
  return true;
}

bool KeepsSlotCount(const ModelRecord& m) {
  if (m.OptionSlotCnt.empty()) return true;
  const uint32_t kind = CodeHexValue(m.ModelCode2) & kRatingKindMask;
  return ModelTypeNumber(m.ModelCode1) == 6 && (kind == 0x10000u || kind == 0x20000u);
}

bool WritesBack(const ModelRecord& m) {
  for (const std::string* text : {&m.ModelName, &m.ModelCode1, &m.ModelCode2, &m.ModelCode5,
                                  &m.ComResource, &m.ParamFile, &m.FilterFile, &m.HelpFile}) {
    if (!IsPlain(*text)) return false;
  }
  if (m.ModelName.empty() || !KeepsSlotCount(m)) return false;
  if (!All(m.Capacity, IsPointNumber) || !All(m.TypeName, IsPlain)) return false;
  for (const TextList* currents : {&m.Current01, &m.Current02, &m.Current03, &m.Current04}) {
    if (currents->size() > m.Capacity.size() || !All(*currents, IsPointNumber)) return false;
  }
  const bool no_options = m.Option01 == TextList{""} && m.Option02 == TextList{""} &&
                          m.Option03 == TextList{""} && m.OptionXX == TextList{""};
  if (no_options) return true;
  for (const TextList* slot : {&m.Option01, &m.Option02, &m.Option03}) {
    if (!All(*slot, IsPlain)) return false;
  }
  return All(m.OptionXX, IsOwnKey) && All(m.OptionValues.values, IsPlain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  // The reader skips a byte order mark before it indexes the text.
  const std::string_view body = WithoutByteOrderMark(text);
  const ProfileIndex index(body);
  const CatalogueReadResult read = ReadCatalogueProfile(index, '.');
  std::size_t lines = 0;
  ProfileLineReader reader(body);
  for (std::string_view line; reader.Next(&line);) ++lines;
  Check(index.ProbeCount() <= 4 * lines + 64, "few probes per line");

  if (size <= 4096) {  // the scan rereads the text for every key
    const test::ProfileScan scan(body);
    const CatalogueReadResult scanned = ReadCatalogueProfile(scan, '.');
    Check(scanned.status == read.status, "index and scan give one status");
    Check(scanned.overflow == read.overflow, "index and scan see the same sections");
    Check(scanned.models == read.models, "index and scan read the same models");
    // Back to front, so that sections are read again.
    const std::vector<std::string_view> names = scan.SectionNames();
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
      for (const char* key : {"ModelName", "capacity1", "A"}) {
        Check(index.Find(*name, key) == scan.Find(*name, key), "lookups in any order");
      }
    }
  }
  Check(ReadCatalogueText(text, ',').status == read.status, "status without regard to locale");
  if (read.status != 0) {
    Check(read.status >= msg::kNoSection && read.status <= msg::kBadTypeName, "a reader status");
    Check(read.models.empty(), "a failed read holds no models");
    return 0;
  }
  Check(!read.models.empty() && read.models.size() <= 256, "1 to 256 models");

  for (const ModelRecord& model : read.models) {
    if (!WritesBack(model)) return 0;
  }
  const std::string written = FormatCatalogue(read.models);
  const CatalogueReadResult again = ReadCatalogueText(written, '.');
  Check(again.status == 0, "a written catalogue reads");
  Check(again.models == read.models, "written and read again gives the same models");
  Check(FormatCatalogue(again.models) == written, "writing twice gives the same bytes");
  return 0;
}
