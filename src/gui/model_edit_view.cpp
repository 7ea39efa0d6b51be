#include "gui/model_edit_view.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/control_render.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

namespace {

constexpr int kVisibleRows = 8;

QLabel* NewLabel(QWidget* parent, const char* control) {
  auto* label = NewControl<QLabel>(parent, control);
  // Model names are data, never markup.
  label->setTextFormat(Qt::PlainText);
  return label;
}

class EnterClicker final : public QObject {
 public:
  EnterClicker(QPushButton* button, QObject* parent) : QObject(parent), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && key->modifiers() == Qt::NoModifier) {
        if (button_->isEnabled()) button_->click();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPushButton* button_;
};

}  // namespace

void EnterClicks(TableView* list, QPushButton* button) {
  list->installEventFilter(new EnterClicker(button, list));
}

void SetUpModelList(TableView* list) {
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setTabKeyNavigation(false);
  list->horizontalHeader()->setStretchLastSection(false);
  // Below the last row the list shows the dialog's own colour.
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  list->setPalette(palette);
  // Measured before the window is shown, so hidden means told to hide.
  int width = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
  if (!list->verticalHeader()->isHidden()) width += list->verticalHeader()->width();
  for (int column = 0; column < list->model()->columnCount(); ++column) {
    width += list->columnWidth(column);
  }
  list->setFixedWidth(width);
  list->setMinimumHeight(2 * list->frameWidth() + list->horizontalHeader()->sizeHint().height() +
                         kVisibleRows * list->verticalHeader()->defaultSectionSize());
  list->setAccessibleName(list->model()->headerData(0, Qt::Horizontal).toString());
}

ModelEditView::ModelEditView(models::frmModelEdit& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      lblMsg_(NewLabel(this, "lblMsg")),
      sprModelList_(new TableView(logic.sprModelList, this)),
      fraCapa_(NewControl<QGroupBox>(this, "fraCapa")),
      opCapa_{NewControl<QRadioButton>(fraCapa_, "opCapa_0"),
              NewControl<QRadioButton>(fraCapa_, "opCapa_1")},
      lblCapa_{NewLabel(fraCapa_, "lblCapa_0"), NewLabel(fraCapa_, "lblCapa_1")},
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      cmdCancel_(NewControl<QPushButton>(this, "cmdCancel")) {
  sprModelList_->setObjectName(QStringLiteral("sprModelList"));
  lblMsg_->setWordWrap(true);
  // The list's events reach the form through its table model; what the
  // handler changed (the capacity options) shows at once.
  connect(sprModelList_, &TableView::EventForwarded, this, [this] { Forward([] {}); });
  for (int i : {models::kLargeOption, models::kSmallOption}) {
    OnClick(opCapa_[static_cast<std::size_t>(i)], [this, i] { logic_.opCapa_Click(i); });
  }
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(cmdCancel_, [this] { logic_.cmdCancel_Click(); });
  CmdOK_->setDefault(true);

  auto* capacity = new QVBoxLayout(fraCapa_);
  for (std::size_t i = 0; i < opCapa_.size(); ++i) {
    capacity->addWidget(opCapa_[i]);
    // The note stands under its option's text.
    lblCapa_[i]->setIndent(opCapa_[i]->sizeHint().height());
    capacity->addWidget(lblCapa_[i]);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* right = new QVBoxLayout;
  right->addWidget(fraCapa_);
  right->addStretch();
  right->addLayout(buttons);
  auto* body = new QHBoxLayout;
  body->addWidget(sprModelList_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblMsg_);
  layout->addLayout(body, 1);

  SetUpModelList(sprModelList_);
  EnterClicks(sprModelList_, CmdOK_);
  ApplyTabOrder(this, models::frmModelEdit::kTabOrder);
}

void ModelEditView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  SetAccessibleCaption(this, logic_.Caption);
  gui::Render(lblMsg_, logic_.lblMsg);
  SetAccessibleCaption(lblMsg_, logic_.lblMsg.Caption);
  gui::Render(fraCapa_, logic_.fraCapa);
  SetAccessibleCaption(fraCapa_, logic_.fraCapa.Caption);
  for (std::size_t i = 0; i < opCapa_.size(); ++i) {
    gui::Render(opCapa_[i], logic_.opCapa[i]);
    SetAccessibleCaption(opCapa_[i], logic_.opCapa[i].Caption);
    gui::Render(lblCapa_[i], logic_.lblCapa[i]);
    SetAccessibleCaption(lblCapa_[i], logic_.lblCapa[i].Caption);
  }
  gui::Render(CmdOK_, logic_.CmdOK);
  SetAccessibleCaption(CmdOK_, logic_.CmdOK.Caption);
  gui::Render(cmdCancel_, logic_.cmdCancel);
  SetAccessibleCaption(cmdCancel_, logic_.cmdCancel.Caption);
}

}  // namespace pfedit::gui
