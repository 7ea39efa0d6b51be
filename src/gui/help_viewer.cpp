#include "gui/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/message_ids.h"
#include "core/messages.h"
#include "gui/control_render.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent),
      txtPage_(NewControl<QTextBrowser>(this, "txtPage")),
      cmdContents_(NewControl<QToolButton>(this, "cmdContents")),
      cmdBack_(NewControl<QToolButton>(this, "cmdBack")),
      cmdForward_(NewControl<QToolButton>(this, "cmdForward")) {
  setObjectName(QStringLiteral("frmHelpViewer"));
  // A window of its own beside the editor, not a modal dialog: the user
  // reads the help while working.
  setWindowFlag(Qt::Window);
  setModal(false);

  cmdContents_->setText(FromAnsi(GetMessageText(msg::kMenuHelpContents)));
  cmdContents_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  cmdBack_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  cmdForward_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  cmdBack_->setEnabled(false);
  cmdForward_->setEnabled(false);
  // Links out of the pages (none today) go to the desktop; page links stay here.
  txtPage_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdContents_);
  buttons->addWidget(cmdBack_);
  buttons->addWidget(cmdForward_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(txtPage_);
  resize(720, 640);

  connect(cmdContents_, &QToolButton::clicked, this, [this] { txtPage_->setSource(contents_); });
  connect(cmdBack_, &QToolButton::clicked, txtPage_, &QTextBrowser::backward);
  connect(cmdForward_, &QToolButton::clicked, txtPage_, &QTextBrowser::forward);
  connect(txtPage_, &QTextBrowser::backwardAvailable, cmdBack_, &QToolButton::setEnabled);
  connect(txtPage_, &QTextBrowser::forwardAvailable, cmdForward_, &QToolButton::setEnabled);
  connect(txtPage_, &QTextBrowser::sourceChanged, this, [this] { ShowTitle(); });
}

bool HelpViewer::ShowPage(const QString& path) {
  const QFileInfo page(path);
  if (!page.isFile() || !page.isReadable()) return false;
  contents_ = QUrl::fromLocalFile(page.dir().filePath(QStringLiteral("index.htm")));
  txtPage_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
  ShowTitle();
  return true;
}

void HelpViewer::ShowTitle() {
  const QString title = txtPage_->documentTitle();
  setWindowTitle(title.isEmpty() ? FromAnsi(GetMessageText(msg::kTitle)) : title);
}

}  // namespace pfedit::gui
