#pragma once

// The catalogue as the editor uses it: reading a folder's catalogue or an
// export file's model into the editor state, and saving the catalogue with
// the edited model merged in. These show the boxes; the file formats and the
// merge themselves are in src/catalogue.

#include <string>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/message_ids.h"

namespace pfedit {

enum class CatalogueMode {
  kFolder = 1,  // the catalogue of an edit folder
  kImport = 2,  // the model section of an export file
};

// Reads the catalogue of a folder or the model of an export file into the
// editor state and returns the status. Every read first empties EditModel and
// ModelInfoDraft. kFolder sets CatalogueFolder and, on success, replaces the
// catalogue; more than 256 sections show msg::kTooManyModels. kImport sets
// EditModel and both capacity classes. On failure the catalogue keeps its
// content; a missing file reads nothing and succeeds.
Status ReadCatalogue(EditorState& state, Desktop& desktop, const std::string& location,
                     CatalogueMode mode, FileSystem& files = RealFileSystem());

// Merges EditModel into the catalogue and rewrites the catalogue file of
// CatalogueFolder through a temporary sibling file. All or nothing: the
// catalogue and EditModel in memory change only when the file was replaced.
// Shows its own message and returns its number: msg::kWriteFailed for a path
// too long, ten taken temporary names or a failed write; msg::kFileLocked for
// a read-only catalogue; msg::kTemporaryKept (with the name of the temporary
// file) when the replacement fails and the old file stays as it was. After a
// save CatalogueAsRead describes the written file.
Status SaveCatalogue(EditorState& state, Desktop& desktop, FileSystem& files = RealFileSystem());

// Why SaveCatalogue would refuse before writing anything, without a box:
// msg::kWriteFailed for a path too long, msg::kFileLocked for a read-only
// catalogue; kStatusOk when it would try. Save asks before it writes the
// parameter file, so that a save that cannot finish changes no file.
Status CatalogueSaveRefusal(const EditorState& state, FileSystem& files = RealFileSystem());

// Reads the catalogue of EditFolder under the wait cursor: after a folder
// was chosen, and again when a command gives up unsaved work. On failure
// shows "Failed to read file." with the reader's message and returns false;
// the catalogue keeps its content.
bool ReadEditFolderCatalogue(EditorState& state, Desktop& desktop,
                             FileSystem& files = RealFileSystem());

}  // namespace pfedit
