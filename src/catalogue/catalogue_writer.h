#pragma once

// The catalogue writer: the text of tarvo_param.vfd, and of the model section
// of an export file. The text is built whole in memory; the catalogue file
// itself is only ever replaced in one step by a completely written temporary
// file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/file_system.h"
#include "core/records.h"
#include "core/safe_write.h"

namespace pfedit {

// A catalogue path longer than this many bytes cannot be saved.
constexpr std::size_t kMaxCataloguePathBytes = 255;

// Every model as a section [Model_1], [Model_2], ... in catalogue order, lines
// ended by CR LF. Capacities and currents are written with a decimal point.
std::string FormatCatalogue(const ModelCatalogue& models);

// The model as the single section [Model_1] of an export file. ParamFile loses
// the large-capacity mark ("l_" becomes "_"). A model holding both capacity
// classes writes only the capacities of the selected class, renumbered from
// 1. Values are written as they are.
std::string FormatExportSection(const ModelRecord& model, int16_t selected_class);

// Replaces the catalogue file at target by the text of the models, through a
// temporary sibling (see WriteViaTemporary).
SafeWriteResult WriteCatalogue(FileSystem& files, const std::string& target,
                               const ModelCatalogue& models);

}  // namespace pfedit
