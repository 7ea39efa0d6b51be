#pragma once

// The model selection dialog: the user picks one model of the catalogue and
// one of its capacity classes as the base of New, the model to Edit or the
// model (class) to Delete. The choice goes back through the Selected* fields
// of the editor state.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/file_system.h"
#include "core/table_model.h"

namespace pfedit::models {

// What the dialog is opened for, as the model commands pass it.
enum : int16_t {
  kSelectForNew = 1,
  kSelectForEdit = 2,
  kSelectForDelete = 3,
};

// Option buttons and labels of the capacity choice, by index.
enum : int {
  kLargeOption = 0,
  kSmallOption = 1,
};

// Whether the Edit list leaves the model out: a model without a special code
// is never offered for editing.
bool HiddenFromEditList(const ModelRecord& model);
// Whether changing or deleting the model touches a standard model's files:
// an empty ModelCode5, or one whose value as a signed 32-bit number is not
// negative (special models have the top bit set).
bool IsStandardModel(const ModelRecord& model);

class frmModelEdit final : public DialogLogic, private TableObserver {
 public:
  // Reads the catalogue and the edit folder, writes the selection (and
  // ModelInfoDirty on Delete). The file system answers whether the chosen
  // parameter file exists.
  frmModelEdit(EditorState& state, Desktop& desktop, FileSystem& files = RealFileSystem());
  ~frmModelEdit() override;
  frmModelEdit(const frmModelEdit&) = delete;
  frmModelEdit& operator=(const frmModelEdit&) = delete;

  const char* FormName() const override { return "frmModelEdit"; }

  void Form_Load(int16_t mode);
  void CmdOK_Click();
  void cmdCancel_Click() { Close(kResultCancel); }
  void opCapa_Click(int index);
  // The list's active cell moved; the observer of sprModelList calls it too.
  void sprModelList_LeaveCell(int column, int row, int new_column, int new_row);

  // Offers the capacity options of the model on list row `row`.
  void UpdateCapacityChoice(int row);

  // The controls in tab order, first to last.
  static constexpr std::array<const char*, 5> kTabOrder{"sprModelList", "opCapa_0", "opCapa_1",
                                                        "CmdOK", "cmdCancel"};

  int16_t Mode() const { return mode_; }

  std::string Caption;
  LabelState lblMsg;
  TableModel sprModelList;
  FrameState fraCapa;
  std::array<OptionState, 2> opCapa;
  std::array<LabelState, 2> lblCapa;
  ButtonState CmdOK;
  ButtonState cmdCancel;

 private:
  void OnLeaveCell(int column, int row, int new_column, int new_row) override {
    sprModelList_LeaveCell(column, row, new_column, new_row);
  }
  void SelectOption(int index);
  // Each check of OK for its mode; false when it refused and the dialog
  // stays open.
  bool NewAllowed();
  bool DeleteConfirmed(const ModelRecord& model);
  bool EditConfirmed(const ModelRecord& model);
  bool ParameterFileExists(const ModelRecord& model);

  EditorState& state_;
  Desktop& desktop_;
  FileSystem& files_;
  int16_t mode_ = kSelectForNew;
};

// Shows the dialog modally; true when it was closed by an OK that passed.
bool ShowModelEdit(int16_t mode, EditorState& state, Desktop& desktop,
                   FileSystem& files = RealFileSystem());

}  // namespace pfedit::models
