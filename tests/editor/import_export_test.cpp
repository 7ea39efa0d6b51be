#include "editor/import_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_writer.h"
#include "core/messages.h"
#include "core/text_services.h"
#include "editor/frm_pr_file_edit.h"
#include "editor/grid_test_support.h"
#include "paramfile/parameter_file.h"
#include "support/faulty_file_system.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace pfedit::editor {
namespace {

using pfedit::test::FaultyFileSystem;
using pfedit::test::ScriptedDesktop;
using pfedit::test::Section;
using pfedit::test::TempFolder;
using test::Record;

constexpr const char* kOld = "the old export file\r\n";

// The first line of every box shown: a composite box is named by its first
// message.
std::vector<std::string> FirstLines(const ScriptedDesktop& desktop) {
  std::vector<std::string> lines;
  for (const MessageBox& box : desktop.boxes)
    lines.push_back(box.text.substr(0, box.text.find('\r')));
  return lines;
}

std::vector<std::string> Texts(const std::vector<MessageId>& messages) {
  std::vector<std::string> texts;
  for (const MessageId message : messages) texts.push_back(GetMessageText(message));
  return texts;
}

// The main window with a program folder beside it (so start-up is quiet), an
// edit folder holding a catalogue, and a file system that fails on request.
struct Scene {
  Scene() {
    std::filesystem::create_directories(program.File("en/help"));
    program.Write("en/help/dorvien.chm", "help");
    folder.Write("tarvo_param.vfd", Section("Model_1") + Section("Model_2"));
    form.Form_Load(program.path());
    state.EditFolder = folder.path();
    state.FileDialogFolder = folder.path();
  }

  // Edits the small model QX-A700 with three parameters, changed.
  void EditThreeRecords() {
    state.Catalogue = ReadCatalogueFile(folder.File("tarvo_param.vfd"), '.').models;
    state.Buffer.EditModel = state.Catalogue.at(0);
    state.SelectedCapacityClass = state.EditCapacityClass = kClassSmall;
    state.Buffer.ParameterList = {Record("1"), Record("2", "A, B"), Record("902")};
    state.Buffer.RecordCount = 3;
    state.EditMode = kEditModeEdit;
    form.ShowParameterList();
    form.MenuSet(4);
    state.ParametersDirty = true;
  }

  // What a checked export of EditThreeRecords writes.
  std::string ExportedText() const {
    return ExportFileText({Record("1"), Record("2", "A, B"), Record("902")}, state.Catalogue.at(0),
                          kClassSmall);
  }

  std::string Temporaries(const std::string& name) const {
    std::string digits;
    for (char n = '0'; n <= '9'; ++n) {
      if (folder.Has(name + "~" + n)) digits += n;
    }
    return digits;
  }

  TempFolder program;
  TempFolder folder;
  EditorState state;
  ScriptedDesktop desktop;
  FaultyFileSystem files;
  frmPrFileEdit form{state, desktop, '.', files};
};

TEST(ExportTest, WritesTheRecordsThenTheSectionAndReadsBackTheSame) {
  Scene s;
  s.EditThreeRecords();
  const std::string path = s.folder.File("sub/out.vf_");
  std::filesystem::create_directories(s.folder.File("sub"));
  s.desktop
      .ExpectText(GetMessageText(msg::kRunningCheck) + "\r\n" +
                  GetMessageText(msg::kNotSavedWithErrors))
      .ExpectMessage(msg::kNoError)
      .ExpectFileDialog(path);
  s.form.Invoke(MenuItem::mnuFileExport);

  EXPECT_EQ(s.desktop.boxes.at(0).icon, Icon::kInformation);
  const FileDialogRequest& dialog = s.desktop.file_dialogs.at(0);
  EXPECT_EQ(dialog.title, "Export Parameter List");
  EXPECT_EQ(dialog.filter, "Parameter File (*.vf_)|*.vf_");
  EXPECT_EQ(dialog.default_extension, "vf_");
  EXPECT_EQ(dialog.initial_folder, s.folder.path());
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(s.state.FileDialogFolder, s.folder.File("sub"));

  const std::string text = s.folder.Read("sub/out.vf_");
  const std::vector<ParameterRecord>& list = s.state.Buffer.ParameterList;
  EXPECT_EQ(text.substr(0, text.find("[Model_1]\r\nModelName=QX-A700\r\n")),
            FormatParameterLine(list[0]) + "\r\n" + FormatParameterLine(list[1]) + "\r\n" +
                FormatParameterLine(list[2]) + "\r\n");
  EXPECT_EQ(text, s.ExportedText());
  EXPECT_FALSE(s.state.ParametersDirty);
  EXPECT_FALSE(s.form.MenuEnabled(MenuItem::mnuFileExport));

  // Into a second editor: the same list and model come back.
  Scene t;
  t.form.MenuSet(1);
  t.desktop.ExpectFileDialog(path);
  t.form.Invoke(MenuItem::mnuFileImport);
  EXPECT_EQ(t.state.Buffer.ParameterList, list);
  EXPECT_EQ(t.state.Buffer.EditModel, s.state.Buffer.EditModel);
  EXPECT_EQ(t.form.sprParaList.RowCount(), 3);
  EXPECT_EQ(t.form.Caption, MainCaptionText("QX-A700", kClassSmall));
  EXPECT_EQ(t.desktop.file_dialogs.at(0).title, "Import Parameter List");
  EXPECT_FALSE(t.desktop.file_dialogs.at(0).save);
}

// Every way the write can go: the messages, what the target holds after,
// which temporary names exist after, and the state a failure leaves.
TEST(ExportTest, FaultMatrix) {
  struct Case {
    const char* what;
    std::function<void(Scene&)> arrange;
    std::vector<MessageId> messages;  // after the file dialog
    bool replaced;
    std::string temporaries;  // digits of out.vf_~n present after
    const char* name = "out.vf_";
  };
  const std::string taken = "someone else's";
  const std::string long_name = std::string(250, 'n') + ".vf_";
  const std::vector<Case> cases{
      {"first temporary name taken",
       [&](Scene& s) { s.folder.Write("out.vf_~0", taken); },
       {},
       true,
       "0"},
      {"read-only target",
       [](Scene& s) { chmod(s.folder.File("out.vf_").c_str(), 0444); },
       {msg::kFileLocked},
       false,
       ""},
      {"missing folder", [](Scene&) {}, {msg::kPathMissing}, false, "", "none/out.vf_"},
      // Its temporary names are longer than a folder entry may be.
      {"name of 254 bytes", [](Scene&) {}, {msg::kWriteFailed}, false, "", long_name.c_str()},
      {"all ten temporary names taken",
       [&](Scene& s) {
         for (char n = '0'; n <= '9'; ++n) s.folder.Write(std::string("out.vf_~") + n, taken);
       },
       {msg::kWriteFailed},
       false,
       "0123456789"},
      {"write fails part-way",
       [](Scene& s) { s.files.write_limit = 100; },
       {msg::kWriteFailed},
       false,
       ""},
      {"full disk", [](Scene& s) { s.files.write_limit = 0; }, {msg::kWriteFailed}, false, ""},
      {"flush fails", [](Scene& s) { s.files.fail_flush = true; }, {msg::kWriteFailed}, false, ""},
      {"replacement fails",
       [](Scene& s) { s.files.fail_replace = true; },
       {msg::kTemporaryKept},
       false,
       "0"},
      // In place, but a crash could still undo it: not reported as saved.
      {"folder flush fails",
       [](Scene& s) { s.files.fail_sync = true; },
       {msg::kWriteFailed},
       true,
       ""},
  };
  for (const Case& c : cases) {
    Scene s;
    s.EditThreeRecords();
    s.folder.Write("out.vf_", kOld);
    c.arrange(s);
    s.desktop.ExpectMessage(-1).ExpectMessage(-1).ExpectFileDialog(s.folder.File(c.name));
    for (std::size_t i = 0; i < c.messages.size(); ++i) s.desktop.ExpectMessage(-1);
    s.form.Invoke(MenuItem::mnuFileExport);

    std::vector<MessageId> all{msg::kRunningCheck, msg::kNoError};
    all.insert(all.end(), c.messages.begin(), c.messages.end());
    EXPECT_EQ(FirstLines(s.desktop), Texts(all)) << c.what;
    EXPECT_EQ(s.folder.Read("out.vf_"), c.replaced ? s.ExportedText() : kOld) << c.what;
    EXPECT_EQ(s.Temporaries("out.vf_"), c.temporaries) << c.what;
    const bool done = c.messages.empty();
    EXPECT_EQ(s.state.ParametersDirty, !done) << c.what;
    EXPECT_EQ(s.form.MenuEnabled(MenuItem::mnuFileExport), !done) << c.what;
  }
  // The kept temporary is named in the box and holds the whole new file.
  Scene s;
  s.EditThreeRecords();
  s.files.fail_replace = true;
  s.desktop.ExpectMessage(-1).ExpectMessage(-1).ExpectFileDialog(s.folder.File("out.vf_"));
  s.desktop.ExpectText(GetMessageText(msg::kTemporaryKept) + "\r\n" + s.folder.File("out.vf_~0") +
                       "\r\n\r\n" + GetMessageText(msg::kWriteAgain) + "\r\n\r\n" +
                       GetMessageText(msg::kUseTemporary) + "\r\n" +
                       GetMessageText(msg::kRenameTemporaryVf_));
  s.form.Invoke(MenuItem::mnuFileExport);
  EXPECT_EQ(s.folder.Read("out.vf_~0"), s.ExportedText());
  EXPECT_FALSE(s.folder.Has("out.vf_"));
}

#ifndef _WIN32
// Needs a user the folder's permissions bind.
TEST(ExportTest, ReadOnlyFolderKeepsTheTarget) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
  Scene r;
  r.EditThreeRecords();
  r.folder.Write("out.vf_", kOld);
  chmod(r.folder.path().c_str(), 0555);
  r.desktop.ExpectMessage(-1).ExpectMessage(-1).ExpectFileDialog(r.folder.File("out.vf_"));
  r.desktop.ExpectMessage(msg::kWriteFailed);
  r.form.Invoke(MenuItem::mnuFileExport);
  chmod(r.folder.path().c_str(), 0755);
  EXPECT_EQ(r.folder.Read("out.vf_"), kOld);
  EXPECT_EQ(r.Temporaries("out.vf_"), "");
}
#endif

TEST(ExportTest, FailedCheckOrCancelWritesNothing) {
  for (const bool fault : {true, false}) {
    Scene s;
    s.EditThreeRecords();
    s.desktop.ExpectMessage(-1);
    if (fault) {
      s.form.sprParaList.SetText(kColName, 1, "");
      s.desktop.ExpectMessage(msg::kDataNotSet);
    } else {
      s.desktop.ExpectMessage(msg::kNoError).ExpectFileDialog("");
    }
    const std::string folder_before = s.state.FileDialogFolder;
    s.form.Invoke(MenuItem::mnuFileExport);
    EXPECT_TRUE(s.files.created.empty()) << fault;
    EXPECT_TRUE(s.state.ParametersDirty) << fault;
    EXPECT_TRUE(s.form.MenuEnabled(MenuItem::mnuFileExport)) << fault;
    EXPECT_EQ(s.state.FileDialogFolder, folder_before) << fault;
  }
}

// What import must leave alone when it refuses a file.
struct Held {
  explicit Held(const Scene& s)
      : buffer_records(s.state.Buffer.ParameterList),
        count(s.state.Buffer.RecordCount),
        model(s.state.Buffer.EditModel),
        draft(s.state.Buffer.ModelInfoDraft),
        classes{s.state.SelectedCapacityClass, s.state.EditCapacityClass, s.state.EditMode},
        imported(s.state.ImportedData),
        rows(s.form.sprParaList.RowCount()),
        caption(s.form.Caption),
        save_enabled(s.form.MenuEnabled(MenuItem::mnuFileSave)) {}
  bool operator==(const Held& o) const {
    return buffer_records == o.buffer_records && count == o.count && model == o.model &&
           draft == o.draft && classes == o.classes && imported == o.imported && rows == o.rows &&
           caption == o.caption && save_enabled == o.save_enabled;
  }
  std::vector<ParameterRecord> buffer_records;
  int16_t count;
  ModelRecord model;
  ModelRecord draft;
  std::vector<int16_t> classes;
  bool imported;
  int rows;
  std::string caption;
  bool save_enabled;
};

// Any bytes: refused with the readers' message and nothing taken, or read
// as the readers read them.
TEST(ImportTest, ExportFilesOfAnyShape) {
  const std::string records =
      FormatParameterLine(Record("1")) + "\r\n" + FormatParameterLine(Record("2")) + "\r\n";
  const std::string section = Section("Model_1");
  struct Case {
    const char* what;
    std::string bytes;  // of in.vf_; "<none>" for no file, "<folder>" for a folder
    std::vector<MessageId> messages;
    int rows = 0;  // when imported
    std::string name = "in.vf_";
  };
  const std::string one_line(10 * 1024 * 1024, 'x');
  const std::vector<Case> cases{
      {"empty", "", {msg::kFileMissingOrCorrupt}},
      {"missing", "<none>", {msg::kFileMissingOrCorrupt}},
      {"a folder", "<folder>", {msg::kFileMissingOrCorrupt}},
      {"missing folder", "<none>", {msg::kPathMissing}, 0, "none/in.vf_"},
      {"name over 255 bytes",
       "<none>",
       {msg::kFileMissingOrCorrupt},
       0,
       std::string(300, 'n') + ".vf_"},
      {"model code in small letters",
       records + Section("Model_1", {{"ModelCode1", "0x0a0b0c0d"}}),
       {msg::kFileMissingOrCorrupt}},
      {"section cut off",
       records + section.substr(0, section.find("ModelCode1=") + 15),
       {msg::kFileMissingOrCorrupt}},
      {"record cut off", records + "3,Name,0,0", {msg::kReadFailed}},
      {"a record breaks a rule",
       records + "1,N,0,4,0,,0,10001,0,0,0,0,0,0,0,0,0,0,10,0\r\n",
       {msg::kFormatDiffers}},
      {"second model section",
       records + section + Section("Model_2"),
       {msg::kFileMissingOrCorrupt}},
      {"records after the section", records + section + records, {}, 2},
      {"other section number", records + Section("Model_7"), {}, 2},
      {"section not named Model_", records + Section("Other"), {msg::kReadFailed}},
      {"10 MB on one line", one_line, {msg::kReadFailed}},
      {"byte order mark", "\xEF\xBB\xBF" + records + section, {}, 2},
      {"a model without records", section, {}, 0},
  };
  for (const Case& c : cases) {
    Scene s;
    s.form.MenuSet(1);
    if (c.bytes == "<folder>") {
      std::filesystem::create_directory(s.folder.File(c.name));
    } else if (c.bytes != "<none>") {
      s.folder.Write(c.name, c.bytes);
    }
    const Held before(s);
    s.desktop.ExpectFileDialog(s.folder.File(c.name));
    for (std::size_t i = 0; i < c.messages.size(); ++i) s.desktop.ExpectMessage(-1);
    s.form.Invoke(MenuItem::mnuFileImport);

    EXPECT_EQ(FirstLines(s.desktop), Texts(c.messages)) << c.what;
    if (!c.messages.empty()) {
      EXPECT_TRUE(Held(s) == before) << c.what;
      continue;
    }
    EXPECT_EQ(s.form.sprParaList.RowCount(), c.rows) << c.what;
    EXPECT_TRUE(s.state.ImportedData) << c.what;
    EXPECT_EQ(s.state.EditMode, kEditModeNew) << c.what;
    EXPECT_TRUE(s.form.MenuEnabled(MenuItem::mnuFileSave)) << c.what;
    EXPECT_TRUE(s.form.MenuEnabled(MenuItem::mnuFileExport)) << c.what;
    EXPECT_TRUE(s.form.CmdEnd.Enabled) << c.what;
    EXPECT_EQ(s.form.txtPr.Text, c.rows > 0 ? "1" : "") << c.what;
    EXPECT_EQ(s.state.FileDialogFolder, s.folder.path()) << c.what;
  }
}

// Unsaved data: No keeps everything; Yes re-reads the catalogue and empties
// the window even when the dialog is then cancelled; a catalogue that no
// longer reads ends the command.
TEST(ImportTest, UnsavedDataIsDroppedOnlyOnYes) {
  struct Case {
    Answer answer;
    bool catalogue_reads;
    std::vector<MessageId> messages;
    int rows;
    std::size_t models;
  };
  const Case cases[] = {
      {Answer::kNo, true, {msg::kDiscardAndShow}, 3, 1},
      {Answer::kYes, true, {msg::kDiscardAndShow}, 0, 2},
      {Answer::kYes, false, {msg::kDiscardAndShow, msg::kReadFailedShort}, 3, 1},
  };
  for (const Case& c : cases) {
    Scene s;
    s.EditThreeRecords();
    s.state.Catalogue.resize(1);
    if (!c.catalogue_reads) s.folder.Write("tarvo_param.vfd", Section("M", {{"HelpFile", ""}}));
    s.desktop.ExpectMessage(msg::kDiscardAndShow, c.answer);
    if (c.answer == Answer::kYes) {
      if (c.catalogue_reads) {
        s.desktop.ExpectFileDialog("");
      } else {
        s.desktop.ExpectText(GetMessageText(msg::kReadFailedShort) + "\r\n" +
                             GetMessageText(msg::kBadHelpFile));
      }
    }
    s.form.MenuSet(1);  // Import enabled, as after any catalogue read
    s.form.Invoke(MenuItem::mnuFileImport);
    EXPECT_EQ(FirstLines(s.desktop), Texts(c.messages));
    EXPECT_EQ(s.form.sprParaList.RowCount(), c.rows);
    EXPECT_EQ(s.state.Catalogue.size(), c.models);
    EXPECT_EQ(s.state.ParametersDirty, c.rows != 0);
  }
}

}  // namespace
}  // namespace pfedit::editor
