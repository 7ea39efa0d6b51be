// Export file text of any bytes: parameter lines followed by one model
// section. Whatever the two readers take from it, written back as an export
// file the two parts stay apart:
// - the model section never changes the records read in front of it;
// - the record lines never change the model read after them;
// - a model holding both capacity classes, exported in one class, reads back
//   as a model of that class.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"
#include "fuzz_check.h"
#include "paramfile/parameter_file.h"

namespace {

using pfedit::fuzz::Check;

using namespace pfedit;

bool SameRecords(const ParameterReadResult& a, const ParameterReadResult& b) {
  return a.status == b.status && a.records == b.records && a.records_read == b.records_read;
}

bool SameModels(const CatalogueReadResult& a, const CatalogueReadResult& b) {
  return a.status == b.status && a.models == b.models;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const ParameterReadResult records = ReadParameterText(text, '.');
  const CatalogueReadResult model = ReadCatalogueText(text, '.');
  if (model.status != 0) Check(model.models.empty(), "a failed read holds no models");
  if (records.status != 0 || model.status != 0 || model.models.size() != 1) return 0;

  const ModelRecord& imported = model.models.front();
  const std::string lines = ParameterFileText(records.records);
  for (const int16_t selected : {kClassLarge, kClassSmall}) {
    const std::string section = FormatExportSection(imported, selected);
    const std::string export_text = lines + section;
    Check(SameRecords(ReadParameterText(export_text, '.'), ReadParameterText(lines, '.')),
          "the model section does not change the records");
    const CatalogueReadResult section_alone = ReadCatalogueText(section, '.');
    Check(SameModels(ReadCatalogueText(export_text, '.'), section_alone),
          "the records do not change the model");
    if (imported.CapacityClass == kClassBoth && fuzz::All(imported.Capacity, fuzz::IsPointNumber) &&
        section_alone.status == 0) {
      Check(section_alone.models.size() == 1 &&
                section_alone.models.front().CapacityClass == selected,
            "one class exported reads as that class");
    }
  }
  return 0;
}
