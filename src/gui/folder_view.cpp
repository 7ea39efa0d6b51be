#include "gui/folder_view.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/paths.h"
#include "gui/control_render.h"
#include "gui/text_codec.h"

namespace pfedit::gui {

namespace {

// Paths and names come from the file system, not from our files.
QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

FolderView::FolderView(editor::frmFolder& logic, QWidget* parent)
    : DialogView(logic, parent),
      logic_(logic),
      drvList_(NewControl<QComboBox>(this, "drvList")),
      dirList_(NewControl<QTreeWidget>(this, "dirList")),
      filList_(NewControl<QListWidget>(this, "filList")),
      lblMes_(NewControl<QLabel>(this, "lblMes")),
      CmdOK_(NewControl<QPushButton>(this, "CmdOK")),
      cmdCancel_(NewControl<QPushButton>(this, "cmdCancel")) {
  dirList_->setHeaderHidden(true);
  dirList_->setRootIsDecorated(false);
  dirList_->setItemsExpandable(false);
  dirList_->setUniformRowHeights(true);
  // Long folder names scroll sideways instead of being cut short.
  dirList_->header()->setStretchLastSection(false);
  dirList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  dirList_->installEventFilter(this);
  filList_->setFocusPolicy(Qt::NoFocus);
  filList_->setSelectionMode(QAbstractItemView::NoSelection);
  CmdOK_->setDefault(true);

  // Room for a few levels of folder names and a dozen lines, in the font's
  // own measure, so that the lists grow with the scale.
  const QFontMetrics metrics = fontMetrics();
  dirList_->setMinimumSize(metrics.averageCharWidth() * 32, metrics.lineSpacing() * 18);
  filList_->setMinimumWidth(metrics.averageCharWidth() * 30);

  connect(drvList_, qOverload<int>(&QComboBox::activated), this,
          [this](int index) { Forward([this, index] { logic_.drvList_Change(index); }); });
  connect(dirList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    Forward([this, row = RowOf(item)] { logic_.dirList_Click(row); });
  });
  // Opening a folder rebuilds the tree, so it waits until the tree has
  // finished with the item that was double-clicked.
  connect(dirList_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const int row = RowOf(item);
    QMetaObject::invokeMethod(
        this, [this, row] { Forward([this, row] { logic_.dirList_DblClick(row); }); },
        Qt::QueuedConnection);
  });
  OnClick(CmdOK_, [this] { logic_.CmdOK_Click(); });
  OnClick(cmdCancel_, [this] { logic_.cmdCancel_Click(); });

  auto* folders = new QVBoxLayout;
  folders->addWidget(drvList_);
  folders->addWidget(dirList_, 1);
  auto* lists = new QHBoxLayout;
  lists->addLayout(folders, 1);
  lists->addWidget(filList_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(lblMes_);
  layout->addLayout(buttons);

  QWidget* previous = nullptr;
  for (const std::string& name : logic_.TabOrder) {
    auto* control = findChild<QWidget*>(QString::fromStdString(name));
    if (previous != nullptr && control != nullptr) setTabOrder(previous, control);
    if (control != nullptr) previous = control;
  }
}

int FolderView::RowOf(QTreeWidgetItem* item) const {
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row] == item) return static_cast<int>(row);
  }
  return -1;
}

bool FolderView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dirList_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Forward([this, row = RowOf(dirList_->currentItem())] { logic_.dirList_DblClick(row); });
      return true;
    }
  }
  return DialogView::eventFilter(watched, event);
}

void FolderView::RenderDrives() {
  QStringList drives;
  for (const std::string& drive : logic_.drvList.List) drives << FromPath(drive);
  const QSignalBlocker block(drvList_);
  if (drives != shown_drives_) {
    drvList_->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString& drive : drives) drvList_->addItem(icon, drive);
    shown_drives_ = drives;
  }
  drvList_->setCurrentIndex(logic_.drvList.ListIndex);
}

void FolderView::RenderFolders() {
  QStringList paths;
  for (const editor::FolderRow& row : logic_.dirList.List) paths << FromPath(row.Path);
  const QSignalBlocker block(dirList_);
  if (paths != shown_paths_) {
    // The folders from the drive down to the current one, each inside the
    // one before, and the current folder's subfolders inside it.
    dirList_->clear();
    rows_.clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const editor::FolderRow& row : logic_.dirList.List) {
      auto* item = parent == nullptr ? new QTreeWidgetItem(dirList_) : new QTreeWidgetItem(parent);
      item->setText(0, FromPath(row.Name));
      item->setToolTip(0, FromPath(row.Path));
      item->setIcon(0, row.Open ? open : closed);
      if (row.Open) parent = item;
      rows_.push_back(item);
    }
    dirList_->expandAll();
    shown_paths_ = paths;
  }
  const int index = logic_.dirList.ListIndex;
  if (index >= 0 && index < static_cast<int>(rows_.size())) {
    dirList_->setCurrentItem(rows_[static_cast<std::size_t>(index)]);
    dirList_->scrollToItem(rows_[static_cast<std::size_t>(index)]);
  }
}

void FolderView::Render() {
  setWindowTitle(FromAnsi(logic_.Caption));
  RenderDrives();
  RenderFolders();
  QStringList files;
  for (const std::string& name : logic_.filList.List) files << FromPath(name);
  QStringList shown;
  for (int i = 0; i < filList_->count(); ++i) shown << filList_->item(i)->text();
  if (files != shown) {
    filList_->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& file : files) filList_->addItem(new QListWidgetItem(icon, file));
  }
  filList_->setToolTip(FromPath(JoinPath(logic_.filList.Path, logic_.filList.Pattern)));
  gui::Render(lblMes_, logic_.lblMes);
  gui::Render(CmdOK_, logic_.CmdOK);
  gui::Render(cmdCancel_, logic_.cmdCancel);
}

}  // namespace pfedit::gui
