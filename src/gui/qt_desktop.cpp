#include "gui/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QtGlobal>

#include "core/messages.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
  switch (icon) {
    case Icon::kInformation:
      return QMessageBox::Information;
    case Icon::kExclamation:
      return QMessageBox::Warning;
    case Icon::kQuestion:
      return QMessageBox::Question;
    case Icon::kCritical:
      return QMessageBox::Critical;
    case Icon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton QtButton(Answer answer) {
  switch (answer) {
    case Answer::kOk:
      return QMessageBox::Ok;
    case Answer::kCancel:
      return QMessageBox::Cancel;
    case Answer::kYes:
      return QMessageBox::Yes;
    case Answer::kNo:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButtons QtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return QMessageBox::Ok;
    case Buttons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// Closing a box with Escape or its close button counts as its "negative"
// answer, as on the platform the editor came from.
Answer FromQt(int button, Buttons buttons) {
  switch (button) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    case QMessageBox::Ok:
      return Answer::kOk;
    default:
      break;
  }
  if (buttons == Buttons::kYesNo) return Answer::kNo;
  return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
}

const char* MenuName(PopupMenu menu) {
  switch (menu) {
    case PopupMenu::mnuEdit:
      return "mnuEdit";
  }
  return "";
}

#ifndef _WIN32
// How long xdg-open may take to say that no application takes the file.
constexpr int kOpenerReplyMs = 3000;

// xdg-open reports a desktop without any application for the file only
// through its exit status, which QDesktopServices never reads (so the user
// would click Help and see nothing). It is therefore run here and given a
// moment to answer; one still running after that has started a browser in
// the foreground and is left to it.
bool RunOpener(const QString& opener, const QUrl& url) {
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QObject::connect(process, &QProcess::errorOccurred, process, &QObject::deleteLater);
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
  if (!process->waitForStarted()) return false;
  if (!process->waitForFinished(kOpenerReplyMs)) return true;
  return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}
#endif

QString DisplayLines(const std::string& text) {
  QString shown = FromAnsi(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

QString PathFromBytes(const std::string& path) {
#ifdef _WIN32
  return FromAnsi(path);
#else
  return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}

std::string PathToBytes(const QString& path) {
#ifdef _WIN32
  return ToAnsi(path);
#else
  return QFile::encodeName(path).toStdString();
#endif
}

QString QtFileFilter(const std::string& filter) {
  const std::size_t bar = filter.find('|');
  return FromAnsi(bar == std::string::npos ? filter : filter.substr(0, bar));
}

QtDesktop::QtDesktop() {
  RegisterEditorDialogs(views_);
}

QWidget* QtDesktop::Parent() const {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : owner_.data();
}

void QtDesktop::ProgrammingError(const QString& text) {
  qCritical("%s", qPrintable(text));
  Q_ASSERT_X(false, "QtDesktop", qPrintable(text));
  QMessageBox::critical(Parent(), FromAnsi(GetMessageText(msg::kTitle)), text);
}

Answer QtDesktop::ShowMessage(const MessageBox& box) {
  QMessageBox dialog(QtIcon(box.icon), FromAnsi(box.title), DisplayLines(box.text),
                     QtButtons(box.buttons), Parent());
  dialog.setDefaultButton(QtButton(box.default_button));
  return FromQt(dialog.exec(), box.buttons);
}

void QtDesktop::SetWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::string QtDesktop::ClipboardText() {
  return ToAnsi(QApplication::clipboard()->text());
}

void QtDesktop::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(FromAnsi(text));
}

std::string QtDesktop::ChooseFile(const FileDialogRequest& request) {
  QFileDialog dialog(Parent(), FromAnsi(request.title), PathFromBytes(request.initial_folder),
                     QtFileFilter(request.filter));
  dialog.setDefaultSuffix(FromAnsi(request.default_extension));
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return PathToBytes(dialog.selectedFiles().constFirst());
}

bool QtDesktop::OpenHelp(const std::string& path) {
  const QFileInfo file(PathFromBytes(path));
  if (!file.isFile()) return false;
  const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
#ifndef _WIN32
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) {
    SetWaitCursor(true);
    const bool opened = RunOpener(opener, url);
    SetWaitCursor(false);
    return opened;
  }
#endif
  return QDesktopServices::openUrl(url);
}

bool QtDesktop::ShowHelpPage(const std::string& path) {
  QWidget* parent = Parent();
  if (help_viewer_ == nullptr || help_viewer_->parentWidget() != parent) {
    if (help_viewer_ != nullptr) help_viewer_->deleteLater();
    help_viewer_ = new HelpViewer(parent);
    if (parent == nullptr) help_viewer_->setAttribute(Qt::WA_DeleteOnClose);
  }
  if (!help_viewer_->ShowPage(PathFromBytes(path))) return false;
  help_viewer_->show();
  help_viewer_->raise();
  help_viewer_->activateWindow();
  return true;
}

void QtDesktop::RunModal(DialogLogic& dialog) {
  if (views_.Run(dialog, Parent())) return;
  ProgrammingError(QStringLiteral("No view is registered for the dialog %1.")
                       .arg(QString::fromLatin1(dialog.FormName())));
}

void QtDesktop::ShowPopupMenu(PopupMenu menu, int x, int y) {
  const QString name = QString::fromLatin1(MenuName(menu));
  QMenu* popup = owner_ != nullptr ? owner_->findChild<QMenu*>(name) : nullptr;
  if (popup == nullptr) {
    return ProgrammingError(QStringLiteral("The window has no menu %1.").arg(name));
  }
  popup->exec(QPoint(x, y));
}

}  // namespace pfedit::gui
