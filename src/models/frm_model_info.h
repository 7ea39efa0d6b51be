#pragma once

// The "Model Information Editing" dialog: the special model name, the
// communication resources, the rating rows of the capacity class being edited
// and the option slots of a model. It fills from ModelInfoDraft when the New
// command put a base model there, else from EditModel, and on OK writes into
// EditModel through the model information rules.

#include <cstdint>
#include <functional>
#include <string>

#include "core/control_state.h"
#include "core/desktop.h"
#include "core/editor_state.h"
#include "core/table_model.h"
#include "models/model_info_rules.h"

namespace pfedit::models {

// The rating table holds at most this many rows.
constexpr int kMaxRatingRows = 256;
// Forbidden option cells are painted in this grey.
constexpr Colour kForbiddenCellColour{0xC0, 0xC0, 0xC0};

class frm_ModelInfo final : public DialogLogic {
 public:
  // Runs after an accepted OK, before the dialog closes: the main window sets
  // its caption and its menu state for an edited model information.
  using AcceptedHook = std::function<void()>;

  frm_ModelInfo(EditorState& state, Desktop& desktop, AcceptedHook on_accepted = {});
  const char* FormName() const override { return "frm_ModelInfo"; }

  void Form_Load(int16_t mode);

  // Typed letters become capitals before they reach the box.
  void txtSpe_KeyPress(int16_t& key);
  void cmdEdit_Click();
  void cmdAdd_Click();
  void cmdDel_Click();
  void CmdOK_Click();
  void cmdCancel_Click();
  void cmdHelp_Click();

  bool ValidateModelInfo();
  // The dialog content as the rules read it: the filled content with the
  // user's name, ticks and rating rows.
  ModelInfoContent Content() const;
  bool FourRating() const { return four_rating_; }

  int16_t Mode = 0;
  std::string InitialSpecialName;

  std::string Caption;
  FrameState frmInvTyp;
  LabelState lblInv;
  TextBoxState txtSpe;
  LabelState lblSpe;
  FrameState frmCon;
  CheckBoxState chkUsb;
  CheckBoxState chkRs485;
  CheckBoxState chkPu;
  FrameState frmRat;
  LabelState lblInvCap;
  LabelState lblRatCur;
  LabelState lblRatSld;
  LabelState lblRatLd;
  LabelState lblRatNd;
  LabelState lblRatHd;
  LabelState lblInvType;
  TableModel sprRatCurr{kRatingColumnCount, 0};
  ButtonState cmdEdit;
  ButtonState cmdAdd;
  ButtonState cmdDel;
  LabelState lblOpt;
  TableModel sprOption{kMaxOptionSlots, 0};
  bool sprOptionEnabled = true;
  ButtonState CmdOK;
  ButtonState cmdCancel;
  ButtonState cmdHelp;

 protected:
  void Form_Unload() override;

 private:
  void FillRatingTable();
  void FillOptionTable();
  void Accept();

  EditorState& state_;
  Desktop& desktop_;
  AcceptedHook on_accepted_;
  ModelInfoContent content_;
  bool four_rating_ = false;
  bool accepted_ = false;
};

// Shows the dialog modally with the mode (1: new, 2: edit, where the special
// name cannot change) and returns whether an OK accepted it. Then EditModel
// holds the result and on_accepted has run. ModelInfoAccepted is true after an
// accepted New, false after any close that did not accept, and otherwise
// stays as it was.
bool ShowModelInfo(EditorState& state, Desktop& desktop, int16_t mode,
                   const frm_ModelInfo::AcceptedHook& on_accepted = {});

// The record the dialog fills from: ModelInfoDraft when it holds a model,
// else EditModel.
const ModelRecord& ModelInfoSource(const EditorState& state);

// Writes a rating row into a rating table row.
void SetRatingRow(TableModel& table, int row, const RatingRow& values);
RatingRow GetRatingRow(const TableModel& table, int row);

}  // namespace pfedit::models
