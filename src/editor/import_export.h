#pragma once

// Moving one model between edit folders as an export file: its parameter
// records followed by one catalogue section for the model. File > Import
// reads such a file into the editor as a model that is not in the catalogue
// yet; File > Export writes the model being edited into one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/message_ids.h"
#include "core/records.h"

namespace pfedit {

// ---- The common file dialog.

enum class FileDialogStatus : int16_t {
  kChosen = 1,
  kCancelled = 2,  // cancelled, or no name given
};

struct FileDialogResult {
  FileDialogStatus status = FileDialogStatus::kCancelled;
  std::string path;  // empty unless a file was chosen
};

// The open dialog (an existing file) and the save dialog (asks before it
// overwrites; the folder must exist), with the filter ("Description|*.ext"),
// the default extension without its point and the title. Both start in
// initial_folder, which follows the chosen file: after a choice it holds the
// text before the path's last separator.
FileDialogResult OpenFileDialog(Desktop& desktop, const std::string& filter,
                                const std::string& default_extension, std::string& initial_folder,
                                const std::string& title);
FileDialogResult SaveFileDialog(Desktop& desktop, const std::string& filter,
                                const std::string& default_extension, std::string& initial_folder,
                                const std::string& title);

// ---- Reading an export file.

// True when `path` names no readable file or an empty one: the editor treats
// both as "does not exist, or corrupted" before it reads a list.
bool MissingOrEmpty(FileSystem& files, const std::string& path);

// Reads the export file at `path` into the edit buffer: its records into
// ParameterList and RecordCount, its model section into EditModel with both
// capacity classes. Shows msg::kPathMissing for a folder that does not
// exist, msg::kFileMissingOrCorrupt for a missing or empty file or a section
// that does not read, the reader's own message for a bad record, and returns
// the status (kStatusOk on success). All or nothing: on failure the editor
// state is as it was. Shared by File > Import and `pfedit-cli import`.
Status ReadExportFile(EditorState& state, Desktop& desktop, const std::string& path,
                      FileSystem& files = RealFileSystem());

// ---- Writing an export file.

struct ExportResult {
  // kStatusOk; msg::kPathMissing when the folder of the path does not exist;
  // msg::kFileLocked for a read-only target; msg::kWriteFailed when nothing
  // could be written (no free temporary name, a failed write or flush) or
  // the replacement could not be made durable; msg::kTemporaryKept when the
  // replacement failed: the target is as it was and `temporary` holds the
  // complete new file.
  Status status = kStatusOk;
  std::string temporary;
};

// The whole text of an export file: the records' lines, then the model as
// section [Model_1] with the capacities of selected_class.
std::string ExportFileText(const std::vector<ParameterRecord>& records, const ModelRecord& model,
                           int16_t selected_class);

// Replaces the file at `path` by the export text through a temporary sibling
// (name~0 to name~9), so that the path always holds either its old or its
// complete new content. The write step of File > Export and of
// `pfedit-cli export`.
ExportResult WriteExportFile(FileSystem& files, const std::string& path,
                             const std::vector<ParameterRecord>& records, const ModelRecord& model,
                             int16_t selected_class);

// The parts of the message that reports a failed export, one entry per line
// of the box (empty entries are blank lines): the status's text, or for
// msg::kTemporaryKept the text, the temporary name and what to do with it.
std::vector<std::string> ExportFailureLines(const ExportResult& result);

// ---- The commands.

// What Import and Export change on the main window.
class TransferWindow {
 public:
  virtual ~TransferWindow() = default;
  // Empties the grid and the Pr box and disables the Parameter Check button.
  virtual void ClearWindow() = 0;
  virtual void SetMainCaption(std::string_view model_name, int capacity_class) = 0;
  virtual void MenuSet(int state) = 0;
  // Shows the edit buffer's parameter list in the grid, ready for editing.
  virtual void ShowParameterList() = 0;
  virtual int GridRowCount() const = 0;
  // The Parameter Check button; true when the list passed and ParameterList
  // holds the checked rows.
  virtual bool RunParameterCheck() = 0;
  virtual void DisableExport() = 0;
};

// File > Import. With unsaved data it asks message 1000 first; Yes re-reads
// the catalogue (a failure shows message 1091 with the reason and ends the
// command) and empties the window. A file that reads becomes the imported
// model: its list in the grid, the caption with its name and class,
// ImportedData set, menu state 2. A cancelled dialog or a refused file ends
// the command with the edit buffer as it was.
void mnuFileImport_Click(EditorState& state, Desktop& desktop, TransferWindow& window,
                         FileSystem& files = RealFileSystem());

// File > Export. A grid with rows is checked first (message 1092 with 1073,
// then the check's own box), and a failed check ends the command. The chosen
// file is then replaced as WriteExportFile does; failures show their
// message. Success clears ParametersDirty and disables Export.
void mnuFileExport_Click(EditorState& state, Desktop& desktop, TransferWindow& window,
                         FileSystem& files = RealFileSystem());

}  // namespace pfedit
