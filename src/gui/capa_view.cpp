#include "gui/capa_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_render.h"
#include "gui/key_press_filter.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

CapaView::Row CapaView::NewRow(const char* label, const char* box, const char* unit) {
  Row row{NewControl<QLabel>(this, label), NewControl<QLineEdit>(this, box),
          unit != nullptr ? NewControl<QLabel>(this, unit) : nullptr};
  row.label->setBuddy(row.box);
  return row;
}

CapaView::CapaView(models::frm_Capa& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      InvCap_(NewRow("lblInvCap", "txtInvCap", "lblInvCap_inc")),
      Curr_SLD_(NewRow("lblCurr_SLD", "txtCurr_SLD", "lblCurr_SLD_inc")),
      Curr_LD_(NewRow("lblCurr_LD", "txtCurr_LD", "lblCurr_LD_inc")),
      Curr_ND_(NewRow("lblCurr_ND", "txtCurr_ND", "lblCurr_ND_inc")),
      Curr_HD_(NewRow("lblCurr_HD", "txtCurr_HD", "lblCurr_HD_inc")),
      InvType_(NewRow("lblInvType", "txtInvType", nullptr)),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      cmdCancel_(NewControl<QPushButton>(this, "cmdCancel")) {
  const std::pair<Row*, TextBoxState*> rows[] = {
      {&InvCap_, &logic_.txtInvCap},   {&Curr_SLD_, &logic_.txtCurr_SLD},
      {&Curr_LD_, &logic_.txtCurr_LD}, {&Curr_ND_, &logic_.txtCurr_ND},
      {&Curr_HD_, &logic_.txtCurr_HD}, {&InvType_, &logic_.txtInvType}};
  auto* grid = new QGridLayout;
  int line = 0;
  const int box_width = InvCap_.box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000"));
  for (const auto& [row, state] : rows) {
    grid->addWidget(row->label, line, 0);
    grid->addWidget(row->box, line, 1);
    if (row->unit != nullptr) grid->addWidget(row->unit, line, 2);
    row->box->setFixedWidth(box_width + 12);
    TextBoxState* field = state;
    connect(row->box, &QLineEdit::textChanged, this,
            [field](const QString& text) { field->Text = ToAnsi(text); });
    // Numbers only: the type name box takes any key.
    if (row->unit != nullptr) {
      FilterKeyPress(row->box, [this](int16_t& key) { logic_.NumericBox_KeyPress(key); });
    }
    ++line;
  }
  grid->setColumnStretch(3, 1);

  CmdOK_->setDefault(true);
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(cmdCancel_, [this] { logic_.cmdCancel_Click(); });
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(CmdOK_);
  button_row->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(button_row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(InvCap_.box, Curr_SLD_.box);
  setTabOrder(Curr_SLD_.box, Curr_LD_.box);
  setTabOrder(Curr_LD_.box, Curr_ND_.box);
  setTabOrder(Curr_ND_.box, Curr_HD_.box);
  setTabOrder(Curr_HD_.box, InvType_.box);
  setTabOrder(InvType_.box, CmdOK_);
  setTabOrder(CmdOK_, cmdCancel_);
}

void CapaView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  const struct {
    const Row& row;
    const LabelState& label;
    const TextBoxState& box;
    const LabelState* unit;
  } rows[] = {{InvCap_, logic_.lblInvCap, logic_.txtInvCap, &logic_.lblInvCap_inc},
              {Curr_SLD_, logic_.lblCurr_SLD, logic_.txtCurr_SLD, &logic_.lblCurr_SLD_inc},
              {Curr_LD_, logic_.lblCurr_LD, logic_.txtCurr_LD, &logic_.lblCurr_LD_inc},
              {Curr_ND_, logic_.lblCurr_ND, logic_.txtCurr_ND, &logic_.lblCurr_ND_inc},
              {Curr_HD_, logic_.lblCurr_HD, logic_.txtCurr_HD, &logic_.lblCurr_HD_inc},
              {InvType_, logic_.lblInvType, logic_.txtInvType, nullptr}};
  for (const auto& r : rows) {
    gui::Render(r.row.label, r.label);
    // A little room over the measured text: scaled fonts measure short.
    r.row.label->setMinimumWidth(r.row.label->sizeHint().width() + 6);
    gui::Render(r.row.box, r.box);
    SetAccessibleCaption(r.row.label, r.label.Caption);
    SetAccessibleCaption(r.row.box, r.label.Caption);
    if (r.unit != nullptr) gui::Render(r.row.unit, *r.unit);
  }
  gui::Render(CmdOK_, logic_.CmdOK);
  gui::Render(cmdCancel_, logic_.cmdCancel);
  SetAccessibleCaption(CmdOK_, logic_.CmdOK.Caption);
  SetAccessibleCaption(cmdCancel_, logic_.cmdCancel.Caption);
}

}  // namespace pfedit::gui
