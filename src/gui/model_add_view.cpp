#include "gui/model_add_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/control_render.h"
#include "gui/model_edit_view.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

namespace {

QLabel* NewLabel(QWidget* parent, const char* control) {
  auto* label = NewControl<QLabel>(parent, control);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

ModelAddView::ModelAddView(models::frmModelAdd& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      lblModelName_{NewLabel(this, "lblModelName_0"), NewLabel(this, "lblModelName_1")},
      lblMes_(NewLabel(this, "lblMes")),
      sprModelList_(new TableView(logic.sprModelList, this)),
      cmdUpper_(NewControl<QPushButton>(this, "cmdUpper")),
      cmdLower_(NewControl<QPushButton>(this, "cmdLower")),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      cmdCancel_(NewControl<QPushButton>(this, "cmdCancel")) {
  sprModelList_->setObjectName(QStringLiteral("sprModelList"));
  lblMes_->setWordWrap(true);
  QFont name_font = lblModelName_[1]->font();
  name_font.setBold(true);
  lblModelName_[1]->setFont(name_font);
  connect(sprModelList_, &TableView::EventForwarded, this, [this] { Forward([] {}); });
  OnClick(cmdUpper_, [this] { logic_.cmdUpper_Click(); });
  OnClick(cmdLower_, [this] { logic_.cmdLower_Click(); });
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(cmdCancel_, [this] { logic_.cmdCancel_Click(); });
  CmdOK_->setDefault(true);
  // The dialog opens with the focus on Upper, and Enter there must not move
  // the entry: Enter is OK everywhere, Space presses the focused button.
  cmdUpper_->setAutoDefault(false);
  cmdLower_->setAutoDefault(false);

  auto* name_row = new QHBoxLayout;
  name_row->addWidget(lblModelName_[0]);
  name_row->addWidget(lblModelName_[1], 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdUpper_);
  buttons->addWidget(cmdLower_);
  buttons->addStretch();
  buttons->addWidget(CmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* body = new QHBoxLayout;
  body->addWidget(sprModelList_);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(name_row);
  layout->addWidget(lblMes_);
  layout->addLayout(body, 1);

  SetUpModelList(sprModelList_);
  EnterClicks(sprModelList_, CmdOK_);
  ApplyTabOrder(this, models::frmModelAdd::kTabOrder);
}

void ModelAddView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  SetAccessibleCaption(this, logic_.Caption);
  for (std::size_t i = 0; i < lblModelName_.size(); ++i) {
    gui::Render(lblModelName_[i], logic_.lblModelName[i]);
    SetAccessibleCaption(lblModelName_[i], logic_.lblModelName[i].Caption);
  }
  gui::Render(lblMes_, logic_.lblMes);
  SetAccessibleCaption(lblMes_, logic_.lblMes.Caption);
  const std::pair<QPushButton*, const ButtonState*> buttons[] = {{cmdUpper_, &logic_.cmdUpper},
                                                                 {cmdLower_, &logic_.cmdLower},
                                                                 {CmdOK_, &logic_.CmdOK},
                                                                 {cmdCancel_, &logic_.cmdCancel}};
  for (const auto& [button, state] : buttons) {
    gui::Render(button, *state);
    SetAccessibleCaption(button, state->Caption);
  }
}

}  // namespace pfedit::gui
