// pfedit-screenshots OUTDIR SAMPLE_FOLDER
//
// Writes the pictures of the README and the help pages into OUTDIR: the main
// window with a loaded parameter list, the model information dialog, and a
// parameter check fault marked red. The windows are the editor's own views
// over its own logic, filled through the same routines the menu commands
// call, so the pictures show what the editor shows. Same data, same fonts:
// same pictures.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/message_ids.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/records.h"
#include "editor/catalogue_io.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/parameter_file_io.h"
#include "gui/main_window_view.h"
#include "gui/qt_desktop.h"
#include "models/frm_model_info.h"

namespace {

using pfedit::Answer;
using pfedit::EditorState;

// Answers every box with its first button and remembers the texts;
// no dialog is expected.
class RecordingDesktop final : public pfedit::Desktop {
 public:
  Answer ShowMessage(const pfedit::MessageBox& box) override {
    texts.push_back(box.text);
    return box.buttons == pfedit::Buttons::kYesNo ? Answer::kNo : Answer::kOk;
  }
  void SetWaitCursor(bool) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string ChooseFile(const pfedit::FileDialogRequest&) override { return {}; }
  bool OpenHelp(const std::string&) override { return true; }
  void RunModal(pfedit::DialogLogic& dialog) override { dialog.Form_QueryUnload(); }
  void ShowPopupMenu(pfedit::PopupMenu, int, int) override {}

  std::vector<std::string> texts;
};

// The sample model the pictures show, as Model > Edit would open it.
constexpr std::size_t kModelIndex = 1;
constexpr int16_t kSmallCapacity = pfedit::kClassSmall;
// Wide enough for every visible column of the grid.
constexpr int kWindowWidth = 1060;
constexpr int kWindowHeight = 560;
// The row whose initial value the fault picture sets out of range.
constexpr std::size_t kFaultRecord = 3;

bool OpenSampleModel(EditorState& state, RecordingDesktop& desktop,
                     pfedit::editor::frmPrFileEdit& form, const std::string& folder) {
  if (pfedit::ReadCatalogue(state, desktop, folder, pfedit::CatalogueMode::kFolder) != 0) {
    return false;
  }
  if (state.Catalogue.size() <= kModelIndex) return false;
  state.Buffer.EditModel = state.Catalogue[kModelIndex];
  state.EditMode = pfedit::kEditModeEdit;
  state.SelectedCapacityClass = kSmallCapacity;
  state.EditCapacityClass = kSmallCapacity;
  const std::string list = pfedit::JoinPath(folder, state.Buffer.EditModel.ParamFile);
  if (pfedit::ReadParameterFile(state, desktop, list) != 0) return false;
  form.lblFilePass.Caption = folder;
  form.SetMainCaption(state.Buffer.EditModel.ModelName, kSmallCapacity);
  form.MenuSet(4);
  return true;
}

bool Save(QWidget& window, const QDir& out, const char* name, bool show = true) {
  if (show) window.show();
  QApplication::processEvents();
  const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
  const QString path = out.filePath(QString::fromLatin1(name));
  if (!image.save(path, "PNG", 9)) {
    std::fprintf(stderr, "pfedit-screenshots: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  if (show) window.hide();
  return true;
}

int Fail(const char* what) {
  std::fprintf(stderr, "pfedit-screenshots: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) return Fail("usage: pfedit-screenshots OUTDIR SAMPLE_FOLDER");
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.exists() && !QDir().mkpath(out.path())) return Fail("cannot make the output folder");
  const std::string folder = argv[2];

  {
    EditorState state;
    RecordingDesktop desktop;
    pfedit::editor::frmPrFileEdit form(state, desktop, '.');
    pfedit::gui::MainWindowView window(form);
    window.resize(kWindowWidth, kWindowHeight);
    form.Form_Load(QApplication::applicationDirPath().toStdString());
    if (!OpenSampleModel(state, desktop, form, folder)) return Fail("cannot read the sample");
    form.ShowParameterList();
    window.Render();
    if (!Save(window, out, "main_window.png")) return 1;

    // The dialog as Edit > Model info... shows it: through the real desktop,
    // grabbed once it is up and then closed as by its close box.
    pfedit::gui::QtDesktop dialogs;
    dialogs.SetOwner(&window);
    bool saved = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      dialog->resize(dialog->sizeHint().expandedTo(dialog->size()));
      saved = Save(*dialog, out, "model_info.png", false);
      dialog->close();
    });
    pfedit::models::ShowModelInfo(state, dialogs, pfedit::kEditModeEdit);
    if (!saved) return Fail("the model information dialog was not saved");
  }
  {
    EditorState state;
    RecordingDesktop desktop;
    pfedit::editor::frmPrFileEdit form(state, desktop, '.');
    pfedit::gui::MainWindowView window(form);
    window.resize(kWindowWidth, kWindowHeight);
    form.Form_Load(QApplication::applicationDirPath().toStdString());
    if (!OpenSampleModel(state, desktop, form, folder)) return Fail("cannot read the sample");
    auto& records = state.Buffer.ParameterList;
    if (records.size() <= kFaultRecord) return Fail("the sample list is too short");
    records[kFaultRecord].InitialValue = 70000;  // 7000.0 s with one digit: above 6553.5
    form.ShowParameterList();
    form.CmdEnd_Click();
    // The range fault's box starts with its first message.
    const std::string expected = pfedit::GetMessageText(pfedit::msg::kInitialOutOfRange);
    if (desktop.texts.empty() || desktop.texts.back().rfind(expected, 0) != 0) {
      return Fail("the planted fault was not reported");
    }
    window.Render();
    if (!Save(window, out, "check_fault.png")) return 1;
  }
  return 0;
}
