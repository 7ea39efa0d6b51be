#include "gui/model_info_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/control_render.h"
#include "gui/key_press_filter.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

void RenderTitle(QLabel* label, const LabelState& state) {
  Render(label, state);
  SetAccessibleCaption(label, state.Caption);
}

}  // namespace

ModelInfoView::ModelInfoView(models::frm_ModelInfo& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      frmInvTyp_(NewControl<QGroupBox>(this, "frmInvTyp")),
      lblInv_(NewControl<QLabel>(frmInvTyp_, "lblInv")),
      txtSpe_(NewControl<QLineEdit>(frmInvTyp_, "txtSpe")),
      lblSpe_(NewControl<QLabel>(frmInvTyp_, "lblSpe")),
      frmCon_(NewControl<QGroupBox>(this, "frmCon")),
      chkUsb_(NewControl<QCheckBox>(frmCon_, "chkUsb")),
      chkRs485_(NewControl<QCheckBox>(frmCon_, "chkRs485")),
      chkPu_(NewControl<QCheckBox>(frmCon_, "chkPu")),
      frmRat_(NewControl<QGroupBox>(this, "frmRat")),
      lblInvCap_(NewControl<QLabel>(frmRat_, "lblInvCap")),
      lblRatCur_(NewControl<QLabel>(frmRat_, "lblRatCur")),
      lblRatSld_(NewControl<QLabel>(frmRat_, "lblRatSld")),
      lblRatLd_(NewControl<QLabel>(frmRat_, "lblRatLd")),
      lblRatNd_(NewControl<QLabel>(frmRat_, "lblRatNd")),
      lblRatHd_(NewControl<QLabel>(frmRat_, "lblRatHd")),
      lblInvType_(NewControl<QLabel>(frmRat_, "lblInvType")),
      sprRatCurr_(new TableView(logic.sprRatCurr, frmRat_)),
      cmdEdit_(NewControl<QPushButton>(frmRat_, "cmdEdit")),
      cmdAdd_(NewControl<QPushButton>(frmRat_, "cmdAdd")),
      cmdDel_(NewControl<QPushButton>(frmRat_, "cmdDel")),
      lblOpt_(NewControl<QLabel>(this, "lblOpt")),
      sprOption_(new TableView(logic.sprOption, this)),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      cmdCancel_(NewControl<QPushButton>(this, "cmdCancel")),
      cmdHelp_(NewControl<QPushButton>(this, "cmdHelp")) {
  sprRatCurr_->setObjectName(QStringLiteral("sprRatCurr"));
  sprOption_->setObjectName(QStringLiteral("sprOption"));

  // Name: base type name, then the special name box (or its label).
  txtSpe_->setFixedWidth(txtSpe_->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
  FilterKeyPress(txtSpe_, [this](int16_t& key) { logic_.txtSpe_KeyPress(key); });
  connect(txtSpe_, &QLineEdit::textChanged, this,
          [this](const QString& text) { logic_.txtSpe.Text = ToAnsi(text); });
  auto* name_row = new QHBoxLayout(frmInvTyp_);
  name_row->addWidget(lblInv_);
  name_row->addWidget(txtSpe_);
  name_row->addWidget(lblSpe_);
  name_row->addStretch();

  auto* com_row = new QHBoxLayout(frmCon_);
  for (auto [box, field] :
       {std::pair{chkUsb_, &logic_.chkUsb}, std::pair{chkRs485_, &logic_.chkRs485},
        std::pair{chkPu_, &logic_.chkPu}}) {
    com_row->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [field](bool on) { field->Value = on; });
  }
  com_row->addStretch();

  // The rating table: titles in two lines over its columns, buttons beside.
  sprRatCurr_->horizontalHeader()->hide();
  sprRatCurr_->setSelectionBehavior(QAbstractItemView::SelectRows);
  sprRatCurr_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sprRatCurr_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  sprRatCurr_->setMinimumHeight(sprRatCurr_->verticalHeader()->defaultSectionSize() * 5);
  for (QLabel* title :
       {lblInvCap_, lblRatCur_, lblRatSld_, lblRatLd_, lblRatNd_, lblRatHd_, lblInvType_}) {
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
  }
  auto* titles = new QGridLayout;
  titles->setHorizontalSpacing(0);
  titles->setVerticalSpacing(0);
  titles->addWidget(lblInvCap_, 0, 0, 2, 1);
  titles->addWidget(lblRatCur_, 0, 1, 1, 4);
  titles->addWidget(lblRatSld_, 1, 1);
  titles->addWidget(lblRatLd_, 1, 2);
  titles->addWidget(lblRatNd_, 1, 3);
  titles->addWidget(lblRatHd_, 1, 4);
  titles->addWidget(lblInvType_, 0, 5, 2, 1);
  titles->setColumnStretch(6, 1);
  titles->setContentsMargins(0, 0, 0, 0);
  auto* table_column = new QVBoxLayout;
  table_column->addLayout(titles);
  table_column->addWidget(sprRatCurr_);
  auto* rating_buttons = new QVBoxLayout;
  rating_buttons->addStretch();
  rating_buttons->addWidget(cmdEdit_);
  rating_buttons->addWidget(cmdAdd_);
  rating_buttons->addWidget(cmdDel_);
  auto* rating_row = new QHBoxLayout(frmRat_);
  rating_row->addLayout(table_column);
  rating_row->addStretch();
  rating_row->addLayout(rating_buttons);
  OnClick(cmdEdit_, [this] { logic_.cmdEdit_Click(); });
  OnClick(cmdAdd_, [this] { logic_.cmdAdd_Click(); });
  OnClick(cmdDel_, [this] { logic_.cmdDel_Click(); });

  lblOpt_->setBuddy(sprOption_);
  sprOption_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  // Kept on, so that the width the table asks for leaves room for it.
  sprOption_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  CmdOK_->setDefault(true);
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(cmdCancel_, [this] { logic_.cmdCancel_Click(); });
  OnClick(cmdHelp_, [this] { logic_.cmdHelp_Click(); });
  connect(sprRatCurr_, &TableView::EventForwarded, this, [this] { Forward([] {}); });
  connect(sprOption_, &TableView::EventForwarded, this, [this] { Forward([] {}); });

  auto* top_row = new QHBoxLayout;
  top_row->addWidget(frmInvTyp_, 1);
  top_row->addWidget(frmCon_);
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(CmdOK_);
  button_row->addWidget(cmdCancel_);
  button_row->addWidget(cmdHelp_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top_row);
  layout->addWidget(frmRat_, 1);
  layout->addWidget(lblOpt_);
  layout->addWidget(sprOption_);
  layout->addLayout(button_row);

  setTabOrder(txtSpe_, chkUsb_);
  setTabOrder(chkUsb_, chkRs485_);
  setTabOrder(chkRs485_, chkPu_);
  setTabOrder(chkPu_, sprRatCurr_);
  setTabOrder(sprRatCurr_, cmdEdit_);
  setTabOrder(cmdEdit_, cmdAdd_);
  setTabOrder(cmdAdd_, cmdDel_);
  setTabOrder(cmdDel_, sprOption_);
  setTabOrder(sprOption_, CmdOK_);
  setTabOrder(CmdOK_, cmdCancel_);
  setTabOrder(cmdCancel_, cmdHelp_);
}

void ModelInfoView::AlignRatingTitles() {
  // From the model's layout: the view may not have laid out its columns yet.
  const TableModel& table = logic_.sprRatCurr;
  const int dpi = sprRatCurr_->logicalDpiX();
  const auto width = [&table, dpi](int column) {
    return table.ColumnHidden(column) ? 0
                                      : TableView::PixelsFromTwips(table.ColumnWidth(column), dpi);
  };
  const int frame = sprRatCurr_->frameWidth();
  lblInvCap_->setFixedWidth(width(1) + frame);
  lblRatSld_->setFixedWidth(width(2));
  lblRatLd_->setFixedWidth(width(3));
  lblRatNd_->setFixedWidth(width(4));
  lblRatHd_->setFixedWidth(width(5));
  lblRatCur_->setFixedWidth(width(2) + width(3) + width(4) + width(5));
  lblInvType_->setFixedWidth(width(6));
  int table_width = 2 * frame + sprRatCurr_->verticalScrollBar()->sizeHint().width();
  for (int column = 1; column <= models::kRatingColumnCount; ++column) table_width += width(column);
  sprRatCurr_->setFixedWidth(table_width);
}

void ModelInfoView::FitOptionTableHeight() {
  // Every option row in sight up to a screenful of them, so that a model's
  // last options are not hidden below the fold; never less than three rows,
  // so that a model without options still shows an (empty) table.
  constexpr int kMinRows = 3;
  constexpr int kMaxRows = 8;
  const int rows = std::clamp(logic_.sprOption.RowCount(), kMinRows, kMaxRows);
  const int height = 2 * sprOption_->frameWidth() +
                     sprOption_->horizontalHeader()->sizeHint().height() +
                     rows * sprOption_->verticalHeader()->defaultSectionSize();
  sprOption_->setFixedHeight(height);
}

void ModelInfoView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  gui::Render(frmInvTyp_, logic_.frmInvTyp);
  gui::Render(lblInv_, logic_.lblInv);
  gui::Render(txtSpe_, logic_.txtSpe);
  // A fixed name is shown as a label; the box stays out of the tab order.
  txtSpe_->setFocusPolicy(logic_.txtSpe.Locked ? Qt::NoFocus : Qt::StrongFocus);
  gui::Render(lblSpe_, logic_.lblSpe);
  SetAccessibleCaption(txtSpe_, logic_.frmInvTyp.Caption);
  gui::Render(frmCon_, logic_.frmCon);
  gui::Render(chkUsb_, logic_.chkUsb);
  gui::Render(chkRs485_, logic_.chkRs485);
  gui::Render(chkPu_, logic_.chkPu);
  gui::Render(frmRat_, logic_.frmRat);
  RenderTitle(lblInvCap_, logic_.lblInvCap);
  RenderTitle(lblRatCur_, logic_.lblRatCur);
  RenderTitle(lblRatSld_, logic_.lblRatSld);
  RenderTitle(lblRatLd_, logic_.lblRatLd);
  RenderTitle(lblRatNd_, logic_.lblRatNd);
  RenderTitle(lblRatHd_, logic_.lblRatHd);
  RenderTitle(lblInvType_, logic_.lblInvType);
  AlignRatingTitles();
  sprRatCurr_->setAccessibleName(FromAnsi(logic_.frmRat.Caption));
  gui::Render(cmdEdit_, logic_.cmdEdit);
  gui::Render(cmdAdd_, logic_.cmdAdd);
  gui::Render(cmdDel_, logic_.cmdDel);
  RenderTitle(lblOpt_, logic_.lblOpt);
  sprOption_->setEnabled(logic_.sprOptionEnabled);
  FitOptionTableHeight();
  SetAccessibleCaption(sprOption_, logic_.lblOpt.Caption);
  gui::Render(CmdOK_, logic_.CmdOK);
  gui::Render(cmdCancel_, logic_.cmdCancel);
  gui::Render(cmdHelp_, logic_.cmdHelp);
  for (QWidget* control :
       std::initializer_list<QWidget*>{frmInvTyp_, frmCon_, chkUsb_, chkRs485_, chkPu_, frmRat_,
                                       cmdEdit_, cmdAdd_, cmdDel_, CmdOK_, cmdCancel_, cmdHelp_}) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      SetAccessibleCaption(control, ToAnsi(button->text()));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
      SetAccessibleCaption(control, ToAnsi(frame->title()));
    }
  }
}

}  // namespace pfedit::gui
