// pfedit-cli import FOLDER IN.vf_ [--position N] [--yes] [--json]: File >
// Import followed by File > Save, for scripts. The folder is opened as File >
// Folder opens it, the export file read as File > Import reads it, and the
// editor's own Save runs with a desktop that answers for the user: every
// rule is the editor's, none exists here a second time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/platform.h"
#include "core/text_services.h"
#include "editor/catalogue_io.h"
#include "editor/import_export.h"
#include "editor/menu_state.h"
#include "editor/parameter_check.h"
#include "editor/parameter_grid.h"
#include "editor/save_command.h"
#include "models/frm_model_add.h"

namespace pfedit::cli {

namespace {

constexpr int kMenuStateCatalogue = 1;
constexpr int kMenuStateImported = 2;

struct ImportArgs {
  std::string folder;
  std::string file;
  std::optional<int> position;
  bool yes = false;
  bool json = false;
};

bool ParseImportArgs(const Args& args, ImportArgs* parsed, std::ostream& err) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      parsed->json = true;
    } else if (arg == "--yes") {
      parsed->yes = true;
    } else if (arg == "--position") {
      const std::optional<int64_t> value =
          i + 1 < args.size()
              ? ParseWholeNumber(args[i + 1], 1, static_cast<int64_t>(kMaxModels) + 1,
                                 LeadingBlanks::kRefused)
              : std::nullopt;
      if (!value) {
        UsageError(err, "import: --position takes a number from 1 to 257");
        return false;
      }
      parsed->position = static_cast<int>(*value);
      ++i;
    } else if (!arg.empty() && arg[0] == '-') {
      UsageError(err, "import: unknown option '" + arg + "'");
      return false;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) {
    UsageError(err, "import takes an edit folder and an export file");
    return false;
  }
  parsed->folder = paths[0];
  parsed->file = paths[1];
  return true;
}

// The message a box's text starts with: the one number of a plain box, the
// first part of a composite one.
int MessageOf(const MessageBox& box) {
  if (box.message >= 0) return box.message;
  const std::string first = box.text.substr(0, box.text.find("\r\n"));
  for (const auto& [number, text] : AllMessages()) {
    if (text == first) return number;
  }
  return 0;
}

// A composite text on one line: its parts joined by a space.
std::string OneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += text[i];
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// The user, played for a script: information is not news, every other box
// is printed as `PATH: NNNN: text` and fails the command, the overwrite
// question is answered Yes only when --yes was given, and the list position
// dialog places the model at --position or where the dialog puts it.
class ScriptDesktop final : public Desktop {
 public:
  ScriptDesktop(std::ostream& err, const ImportArgs& args) : err_(err), args_(args) {}

  Answer ShowMessage(const MessageBox& box) override {
    if (box.icon == Icon::kInformation) return Answer::kOk;
    const int message = MessageOf(box);
    const bool overwrite = message == msg::kConfirmOverwrite || message == msg::kSameFileName;
    if (overwrite && args_.yes) return Answer::kYes;
    failed = true;
    if (overwrite) {
      err_ << param_file << ": " << msg::kConfirmOverwrite << ": "
           << GetMessageText(msg::kConfirmOverwrite) << '\n';
    } else {
      err_ << path << ": " << message << ": " << OneLine(box.text) << '\n';
    }
    return box.buttons == Buttons::kYesNo ? Answer::kNo : Answer::kOk;
  }

  void RunModal(DialogLogic& dialog) override {
    auto* place = dynamic_cast<models::frmModelAdd*>(&dialog);
    if (place == nullptr) {
      failed = true;  // no other dialog belongs to a save
      return;
    }
    TableModel& list = place->sprModelList;
    if (args_.position) {
      if (*args_.position > list.RowCount()) {
        position_rows = list.RowCount();
        place->cmdCancel_Click();
        return;
      }
      // Moved as the user moves it, so that the dialog's rules decide.
      while (list.ActiveRow() < *args_.position) place->cmdLower_Click();
      while (list.ActiveRow() > *args_.position) place->cmdUpper_Click();
    }
    place->CmdOK_Click();
  }

  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ChooseFile(const FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return false; }
  void ShowPopupMenu(PopupMenu, int, int) override {}

  std::string path;        // named in front of every message
  std::string param_file;  // named by a refused overwrite
  bool failed = false;
  int position_rows = 0;  // set when --position lay beyond the list's rows

 private:
  std::ostream& err_;
  const ImportArgs& args_;
};

// The main window as Save uses it: the grid loaded as File > Import loads
// it, the menu states, and a Parameter Check button that reports as `check`.
class ScriptWindow final : public editor::SaveWindow {
 public:
  ScriptWindow(EditorState& state, char decimal_mark) : state_(state), mark_(decimal_mark) {}

  void LoadList() {
    editor::SetUpParameterGrid(check.grid);
    check.row_sources = editor::LoadGrid(check.grid, state_.Buffer, mark_);
  }
  int ParameterRowCount() override { return check.grid.RowCount(); }
  bool RunParameterCheck() override {
    check.result = editor::CheckParameterGrid(check.grid, mark_, &check.row_sources);
    checked = true;
    if (!check.result.Passed()) return false;
    EditBuffer& buffer = state_.Buffer;
    buffer.ParameterList = editor::StoreParameterList(check.grid, mark_);
    buffer.RecordCount = static_cast<int16_t>(buffer.ParameterList.size());
    return true;
  }
  void MenuSet(int menu_state) override { menus_.MenuSet(menu_state, state_.EditMode); }
  void SetMainCaption(std::string_view, int) override {}
  void DisableSave() override { menus_.SetEnabled(editor::MenuItem::mnuFileSave, false); }

  GridCheck check;
  bool checked = false;

 private:
  EditorState& state_;
  const char mark_;
  editor::MenuStates menus_;
};

}  // namespace

int RunImport(const Args& args, std::ostream& out, std::ostream& err) {
  ImportArgs parsed;
  if (!ParseImportArgs(args, &parsed, err)) return kExitUsage;
  EditorState state;
  ScriptDesktop desktop(err, parsed);
  const char decimal_mark = editor::GridDecimalMark(platform::LocaleDecimalSeparator());
  ScriptWindow window(state, decimal_mark);

  // File > Folder: only a folder that holds a catalogue, read as it is now.
  const std::string catalogue = CatalogueFilePath(parsed.folder);
  if (!RealFileSystem().Exists(catalogue)) {
    WriteReadFailure(err, catalogue, msg::kFileMissingOrCorrupt, std::string());
    return kExitFailure;
  }
  state.EditFolder = parsed.folder;
  desktop.path = catalogue;
  const Status read = ReadCatalogue(state, desktop, parsed.folder, CatalogueMode::kFolder);
  if (read != kStatusOk) {
    err << catalogue << ": " << msg::kReadFailedShort << ": "
        << GetMessageText(msg::kReadFailedShort) << ' ' << GetMessageText(read) << '\n';
    return kExitFailure;
  }
  if (desktop.failed) return kExitFailure;
  window.MenuSet(kMenuStateCatalogue);

  // File > Import.
  desktop.path = parsed.file;
  if (ReadExportFile(state, desktop, parsed.file) != kStatusOk) return kExitFailure;
  window.LoadList();
  state.ImportedData = true;
  window.MenuSet(kMenuStateImported);

  // File > Save.
  desktop.path = parsed.folder;
  desktop.param_file = editor::EditParameterFilePath(state);
  const editor::SaveOutcome outcome = RunSaveCommand(state, desktop, window);
  if (window.checked && !window.check.result.Passed()) {
    std::string bytes;
    RealFileSystem().ReadAll(parsed.file, &bytes);
    out << CheckReport(parsed.file, bytes, window.check, parsed.json);
    return kExitFailure;
  }
  if (desktop.position_rows != 0) {
    return UsageError(err,
                      "import: --position must be 1 to " + std::to_string(desktop.position_rows));
  }
  if (outcome == editor::SaveOutcome::kStopped || desktop.failed) return kExitFailure;

  const bool added = outcome == editor::SaveOutcome::kSavedNew;
  const std::string& name = state.Buffer.EditModel.ModelName;
  if (parsed.json) {
    JsonObject object;
    object.Number("status", 0);
    object.Text("action", added ? "new" : "edit");
    object.Text("model", name);
    object.Number("position", state.ListPosition);
    object.Text("paramfile", desktop.param_file);
    out << object.Close() << '\n';
  } else {
    out << (added ? "added " : "replaced ") << name << " at " << state.ListPosition << '\n';
  }
  return kExitSuccess;
}

}  // namespace pfedit::cli
