#include "editor/frm_folder.h"

#include <algorithm>

#include "core/messages.h"
#include "core/paths.h"
#include "core/platform.h"

namespace pfedit::editor {

namespace {

constexpr std::string_view kPattern = "*.vfd";
constexpr std::string_view kExtension = "vfd";

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

char FoldCase(char c) {
#ifdef _WIN32
  // Windows names folders without regard to case.
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
#else
  return c;
#endif
}

// The path without trailing separators, unless that would leave nothing of a
// root ("/", "C:\").
std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && IsSeparator(path.back()) && !(path.size() == 3 && path[1] == ':')) {
    path.pop_back();
  }
  return path;
}

// Whether `folder` is `drive` or lies below it.
bool IsOnDrive(const std::string& drive, const std::string& folder) {
  const std::string root = WithoutTrailingSeparator(drive);
  if (root.empty() || folder.size() < root.size()) return false;
  for (std::size_t i = 0; i < root.size(); ++i) {
    if (FoldCase(root[i]) != FoldCase(folder[i]) &&
        !(IsSeparator(root[i]) && IsSeparator(folder[i]))) {
      return false;
    }
  }
  return folder.size() == root.size() || IsSeparator(root.back()) ||
         IsSeparator(folder[root.size()]);
}

// The root of an absolute path: "/", "C:\", or "\\server\share".
std::string RootOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + PathSeparator();
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t end = path.find_first_of("\\/", 2);
    if (end != std::string::npos) end = path.find_first_of("\\/", end + 1);
    return path.substr(0, end);
  }
  return std::string(1, PathSeparator());
}

std::string LastName(const std::string& path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? path : path.substr(last + 1);
}

}  // namespace

ProgramPlace ThisProgram() {
  return {platform::ProgramFolder(), platform::ProgramStem()};
}

std::string LanguageFolder(std::string_view program_stem) {
  return !program_stem.empty() && program_stem.back() == 'j' ? "jp" : "en";
}

std::string StartFolder(const std::string& edit_folder, const ProgramPlace& program) {
  if (!edit_folder.empty()) return edit_folder;
  const std::string param =
      JoinPath(JoinPath(program.folder, LanguageFolder(program.stem)), "param");
  // The trailing separator makes the check look at the folder itself.
  return FolderOfPathExists(param + PathSeparator()) ? param : program.folder;
}

std::vector<std::string> FolderChain(const std::string& drive, const std::string& folder) {
  std::vector<std::string> chain{drive};
  const std::string target = WithoutTrailingSeparator(folder);
  if (!IsOnDrive(drive, target)) return chain;
  std::size_t position = WithoutTrailingSeparator(drive).size();
  while (position < target.size()) {
    while (position < target.size() && IsSeparator(target[position])) ++position;
    const std::size_t end = std::min(target.find_first_of("\\/", position), target.size());
    if (end > position)
      chain.push_back(JoinPath(chain.back(), target.substr(position, end - position)));
    position = end;
  }
  return chain;
}

bool HoldsCatalogueFile(const std::vector<std::string>& file_names) {
  for (const std::string& name : file_names) {
    if (name == kCatalogueFileName) return true;
  }
  return false;
}

frmFolder::frmFolder(EditorState& state, Desktop& desktop, FolderLister& lister)
    : state_(state), desktop_(desktop), lister_(lister) {}

void frmFolder::Form_Load(const ProgramPlace& program) {
  Caption = GetMessageText(msg::kFolderCaption);
  CmdOK.Caption = GetMessageText(msg::kOk);
  cmdCancel.Caption = GetMessageText(msg::kCancel);
  lblMes.Caption = GetMessageText(msg::kReadingTakesLonger);
  filList.Pattern = std::string(kPattern);
  drvList.List = lister_.ListDrives();

  // A start folder that has gone (or cannot be read) gives way to the
  // nearest folder above it that can, then to any drive that can.
  const std::string start = WithoutTrailingSeparator(StartFolder(state_.EditFolder, program));
  const int drive = DriveOf(start);
  std::vector<std::string> chain =
      FolderChain(drvList.List[static_cast<std::size_t>(drive)], start);
  bool shown = false;
  for (auto folder = chain.rbegin(); folder != chain.rend() && !shown; ++folder) {
    shown = ShowPath(drive, *folder).empty();
  }
  for (int other = 0; other < static_cast<int>(drvList.List.size()) && !shown; ++other) {
    shown = ShowPath(other, drvList.List[static_cast<std::size_t>(other)]).empty();
  }
  if (!shown) dirList_Change();
  TabOrder = {"drvList", "dirList", "CmdOK", "cmdCancel"};
}

int frmFolder::DriveOf(const std::string& folder) {
  int best = -1;
  std::size_t best_length = 0;
  for (std::size_t i = 0; i < drvList.List.size(); ++i) {
    const std::string& drive = drvList.List[i];
    if (IsOnDrive(drive, folder) && (best < 0 || drive.size() > best_length)) {
      best = static_cast<int>(i);
      best_length = drive.size();
    }
  }
  if (best >= 0) return best;
  // A folder on no listed drive (a network share) brings its own root.
  drvList.List.push_back(RootOf(folder));
  return static_cast<int>(drvList.List.size()) - 1;
}

std::string frmFolder::ShowPath(int drive, const std::string& folder) {
  const FolderListing subfolders = lister_.ListFolders(folder);
  if (!subfolders.ok()) return subfolders.error;
  const std::vector<std::string> chain =
      FolderChain(drvList.List[static_cast<std::size_t>(drive)], folder);
  dirList.List.clear();
  for (std::size_t depth = 0; depth < chain.size(); ++depth) {
    dirList.List.push_back({depth == 0 ? chain[depth] : LastName(chain[depth]), chain[depth],
                            static_cast<int>(depth), true});
  }
  const std::string& current = chain.back();
  for (const std::string& name : subfolders.names) {
    dirList.List.push_back({name, JoinPath(current, name), static_cast<int>(chain.size()), false});
  }
  dirList.ListIndex = static_cast<int>(chain.size()) - 1;
  drvList.ListIndex = drive;
  dirList.Path = current;
  dirList_Change();
  return std::string();
}

void frmFolder::dirList_Change() {
  filList.Path = dirList.Path;
  filList.List.clear();
  if (!filList.Path.empty()) filList.List = lister_.ListFiles(filList.Path, kExtension).names;
  CmdOK.Enabled = HoldsCatalogueFile(filList.List);
}

void frmFolder::drvList_Change(int index) {
  if (index < 0 || index >= static_cast<int>(drvList.List.size()) || index == drvList.ListIndex) {
    return;
  }
  const std::string error = ShowPath(index, drvList.List[static_cast<std::size_t>(index)]);
  if (!error.empty()) ShowErrorText(desktop_, error);
}

void frmFolder::dirList_Click(int index) {
  if (index >= 0 && index < static_cast<int>(dirList.List.size())) dirList.ListIndex = index;
}

void frmFolder::dirList_DblClick(int index) {
  if (index < 0 || index >= static_cast<int>(dirList.List.size()) || drvList.ListIndex < 0) {
    return;
  }
  const std::string folder = dirList.List[static_cast<std::size_t>(index)].Path;
  const std::string error = ShowPath(drvList.ListIndex, folder);
  if (!error.empty()) ShowErrorText(desktop_, error);
}

void frmFolder::CmdOK_Click() {
  if (!CmdOK.Enabled) return;
  state_.EditFolder = dirList.Path;
  state_.FileDialogFolder = dirList.Path;
  Close(kResultOk);
}

bool ShowFolder(EditorState& state, Desktop& desktop, const ProgramPlace& program,
                FolderLister& lister) {
  frmFolder form(state, desktop, lister);
  form.Form_Load(program);
  desktop.RunModal(form);
  return form.Accepted();
}

}  // namespace pfedit::editor
