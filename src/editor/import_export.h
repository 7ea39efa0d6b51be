#pragma once

// Moving one model between edit folders as an export file: its parameter
// records followed by one catalogue section for the model.

#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/message_ids.h"

namespace pfedit {

// True when `path` names no readable file or an empty one: the editor treats
// both as "does not exist, or corrupted" before it reads a list.
bool MissingOrEmpty(FileSystem& files, const std::string& path);

// Reads the export file at `path` into the edit buffer: its records into
// ParameterList and RecordCount, its model section into EditModel with both
// capacity classes. Shows msg::kPathMissing for a folder that does not
// exist, msg::kFileMissingOrCorrupt for a missing or empty file or a section
// that does not read, the reader's own message for a bad record, and returns
// the status (kStatusOk on success). Shared by File > Import and
// `pfedit-cli import`.
Status ReadExportFile(EditorState& state, Desktop& desktop, const std::string& path,
                      FileSystem& files = RealFileSystem());

}  // namespace pfedit
