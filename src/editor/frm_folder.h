#pragma once

// The folder dialog: the user picks the edit folder, the one that holds the
// catalogue file. It offers the machine's drives, the folders of the current
// drive and the catalogue-like files of the current folder, and accepts only
// a folder that holds the catalogue file under its exact name.

#include <string>
#include <string_view>
#include <vector>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "editor/folder_lister.h"

namespace pfedit::editor {

// Where the running program lives; the first folder offered is found there.
struct ProgramPlace {
  std::string folder;  // without a trailing separator
  std::string stem;    // the program's file name without its extension
};
ProgramPlace ThisProgram();

// "jp" for a program whose name ends in the letter j, else "en".
std::string LanguageFolder(std::string_view program_stem);

// The folder the dialog opens in: the edit folder when one was chosen;
// otherwise the param folder of the language folder beside the program when
// it exists, else the program's folder.
std::string StartFolder(const std::string& edit_folder, const ProgramPlace& program);

// The folders from `drive` down to `folder`, both included, as paths; just the
// drive when the folder does not lie on it.
std::vector<std::string> FolderChain(const std::string& drive, const std::string& folder);

// Whether the file names hold the catalogue file's name exactly (case counts).
bool HoldsCatalogueFile(const std::vector<std::string>& file_names);

struct DriveListState {
  std::vector<std::string> List;  // drive paths
  int ListIndex = -1;
};

// One line of the folder list: the folders from the drive down to the
// current one (open), then the current folder's subfolders.
struct FolderRow {
  std::string Name;  // what the line shows
  std::string Path;
  int Depth = 0;  // indentation level
  bool Open = false;
};

struct DirListState {
  std::string Path;  // the current folder
  std::vector<FolderRow> List;
  int ListIndex = -1;  // the highlighted line
};

struct FileListState {
  std::string Path;
  std::string Pattern;
  std::vector<std::string> List;
};

class frmFolder final : public DialogLogic {
 public:
  // All three must outlive the dialog.
  frmFolder(EditorState& state, Desktop& desktop, FolderLister& lister);

  const char* FormName() const override { return "frmFolder"; }

  void Form_Load(const ProgramPlace& program);
  // The user picked another drive. One that cannot be read shows the
  // system's reason and the previous drive stays.
  void drvList_Change(int index);
  // The user highlighted a line of the folder list.
  void dirList_Click(int index);
  // The user opened a line of the folder list (double click or Enter). A
  // folder that cannot be read shows the system's reason and nothing moves.
  void dirList_DblClick(int index);
  void CmdOK_Click();
  void cmdCancel_Click() { Close(kResultCancel); }

  std::string Caption;
  DriveListState drvList;
  DirListState dirList;
  FileListState filList;
  ButtonState CmdOK;
  ButtonState cmdCancel;
  LabelState lblMes;
  // The controls in tab order; the file list is no tab stop.
  std::vector<std::string> TabOrder;

 private:
  // Makes `folder` on drive `drive` current; the system's reason when its
  // folders cannot be listed (then nothing changed).
  std::string ShowPath(int drive, const std::string& folder);
  // The file list follows the folder list, and the OK rule the file list.
  void dirList_Change();
  int DriveOf(const std::string& folder);

  EditorState& state_;
  Desktop& desktop_;
  FolderLister& lister_;
};

// Shows the folder dialog. On OK EditFolder and FileDialogFolder hold the
// chosen folder and the result is true; otherwise nothing changed.
bool ShowFolder(EditorState& state, Desktop& desktop, const ProgramPlace& program,
                FolderLister& lister = RealFolderLister());

}  // namespace pfedit::editor
