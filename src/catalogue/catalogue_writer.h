#pragma once

// The catalogue writer and the safe replacement of tarvo_param.vfd. The text
// is built whole in memory and written in one call; the catalogue file itself
// is only ever replaced in one step by a completely written temporary file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"

namespace pfedit {

// A catalogue path longer than this many bytes cannot be saved.
constexpr std::size_t kMaxCataloguePathBytes = 255;
// Temporary names are the target name, '~' and one digit.
constexpr int kTemporaryNameCount = 10;

// Every model as a section [Model_1], [Model_2], ... in catalogue order, lines
// ended by CR LF. Capacities and currents are written with a decimal point.
std::string FormatCatalogue(const ModelCatalogue& models);

// The model as the single section [Model_1] of an export file. ParamFile loses
// the large-capacity mark ("l_" becomes "_"). A model holding both capacity
// classes writes only the capacities of the selected class, renumbered from
// 1. Values are written as they are.
std::string FormatExportSection(const ModelRecord& model, int16_t selected_class);

// Mode 1 writes the whole catalogue to a new file at path; mode 2 appends the
// section of EditModel to path (creating it). Returns 0, or -1 when the file
// could not be written or the mode is unknown (then nothing is written).
int WriteCatalogue(const EditorState& state, const std::string& path, int mode,
                   FileSystem& files = RealFileSystem());

// Merges EditModel into the catalogue and rewrites the catalogue file of
// CatalogueFolder through a temporary sibling file. Shows its own messages:
// 1014 for a path too long, ten taken temporary names or a failed write; 1009
// for a read-only catalogue; the rename failure text naming the temporary
// file when the replacement fails (the old file then stays as it was).
// Returns 0 or -1. The caller keeps a copy of the catalogue to restore on
// failure, as the merge has already changed it.
int SaveCatalogue(EditorState& state, Desktop& desktop, FileSystem& files = RealFileSystem());

}  // namespace pfedit
