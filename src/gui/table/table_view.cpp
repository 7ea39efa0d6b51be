#include "gui/table/table_view.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "gui/table/cell_delegates.h"
#include "gui/table/cell_text_painter.h"
#include "gui/table/key_codes.h"
#include "gui/table/table_adapter.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

// Row headers drawn from the model: the style's section, drawn once per
// size and kept, under the row's number drawn with the cell text painter.
// Qt's own header asks the style for every row of every paint, which looks
// its section up by a newly built name, and shapes the number each time.
class RowHeaderView final : public QHeaderView {
 public:
  RowHeaderView(const TableModel& model, QWidget* parent)
      : QHeaderView(Qt::Vertical, parent), model_(model) {
    // As the header a table view makes for itself.
    setSectionsClickable(true);
    setHighlightSections(true);
  }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logical_index) const override {
    if (!rect.isValid()) return;
    const int row = logical_index + 1;
    char digits[16];
    std::string_view text = model_.Text(0, row);
    if (text.empty()) {
      const char* const end = std::to_chars(digits, digits + sizeof digits, row).ptr;
      text = std::string_view(digits, static_cast<std::size_t>(end - digits));
    }
    if (!font_set_ || font() != font_) {
      font_ = font();
      font_set_ = true;
      QFont bold = font_;
      bold.setBold(true);
      normal_.SetFont(font_);
      bold_.SetFont(bold);
      sections_.clear();
    }
    // Rows the selection touches show their number in bold, as Qt's do.
    const CellBlock selection = model_.Selection();
    const bool highlighted = highlightSections() && model_.HasSelection() &&
                             row >= selection.first_row && row <= selection.last_row;
    CellTextPainter& text_painter = highlighted ? bold_ : normal_;
    if (!text_painter.Ready() || !text_painter.CanDraw(text)) {
      return QHeaderView::paintSection(painter, rect, logical_index);
    }
    painter->drawPixmap(rect.topLeft(), Section(rect.size()));
    const auto width = static_cast<int>(text_painter.Width(text));
    const int left = rect.left() + std::max(0, (rect.width() - width) / 2);
    text_painter.Draw(*painter, QRect(left, rect.top(), rect.right() - left + 1, rect.height()),
                      text, false, palette().color(QPalette::ButtonText));
  }

 private:
  const QPixmap& Section(QSize size) const {
    for (const auto& [kept_size, pixmap] : sections_) {
      if (kept_size == size) return pixmap;
    }
    if (sections_.size() >= 16) sections_.clear();  // rows of many heights
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter section(&pixmap);
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), size);
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &section, this);
    section.end();
    sections_.emplace_back(size, pixmap);
    return sections_.back().second;
  }

  const TableModel& model_;
  mutable QFont font_;
  mutable bool font_set_ = false;
  mutable CellTextPainter normal_;
  mutable CellTextPainter bold_;
  mutable std::vector<std::pair<QSize, QPixmap>> sections_;
};

}  // namespace

TableView::TableView(TableModel& model, QWidget* parent) : QTableView(parent), model_(model) {
  setVerticalHeader(new RowHeaderView(model, this));
  adapter_ = new TableAdapter(model, this);
  delegate_ = new CellDelegate(model, this);

  // Qt moves the cursor and the selection while rows come and go. These run
  // before Qt's own handlers, which setModel connects...
  const auto hold = [this] { ++following_; };
  connect(adapter_, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
  connect(adapter_, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
  connect(adapter_, &QAbstractItemModel::columnsAboutToBeInserted, this, hold);
  connect(adapter_, &QAbstractItemModel::columnsAboutToBeRemoved, this, hold);
  connect(adapter_, &QAbstractItemModel::modelAboutToBeReset, this, hold);
  // Qt's new selection model starts empty; that is not the user clearing a
  // selection the form made before its view existed.
  ++following_;
  setModel(adapter_);
  --following_;
  // ...and these after them, to put the model's state back on screen. Qt has
  // moved the row heights and hidden flags along with the rows already.
  const auto release = [this] {
    ColumnLayoutChanged(0, model_.ColumnCount());
    ShowActiveCell();
    ShowSelection();
    --following_;
  };
  connect(adapter_, &QAbstractItemModel::rowsInserted, this, release);
  connect(adapter_, &QAbstractItemModel::rowsRemoved, this, release);
  connect(adapter_, &QAbstractItemModel::columnsInserted, this, release);
  connect(adapter_, &QAbstractItemModel::columnsRemoved, this, release);
  connect(adapter_, &QAbstractItemModel::modelReset, this, [this] {
    --following_;
    FollowModel();
    TopRowChanged(model_.TopRow());
  });

  setItemDelegate(delegate_);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setWordWrap(true);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  FitDefaultRowHeight();
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (following_ > 0) return;
    ++reporting_;
    model_.SetTopRow(rowAt(0) + 1);
    --reporting_;
  });

  model_.AddViewListener(this);
  FollowModel();
}

TableView::~TableView() {
  model_.RemoveViewListener(this);
}

void TableView::FollowModel() {
  ++following_;
  ColumnLayoutChanged(0, model_.ColumnCount());
  RowLayoutChanged(1, model_.RowCount());
  ShowActiveCell();
  ShowSelection();
  --following_;
}

void TableView::ColumnLayoutChanged(int first, int last) {
  for (int column = std::max(first, 0); column <= std::min(last, model_.ColumnCount()); ++column) {
    const int pixels = PixelsFromTwips(model_.ColumnWidth(column), logicalDpiX());
    const bool hidden = model_.ColumnHidden(column) || pixels == 0;
    if (column == 0) {
      verticalHeader()->setVisible(!hidden);
      // Room for the largest row number a list can have, whatever the font.
      const int number_pixels =
          verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("1500")) + 12;
      if (!hidden) verticalHeader()->setFixedWidth(std::max(pixels, number_pixels));
      continue;
    }
    // Every fitted height depends on the widths of the wrapping columns.
    if (isColumnHidden(column - 1) != hidden) {
      model_.ForgetViewRowHeights();
      setColumnHidden(column - 1, hidden);
    }
    // The widths were chosen for a smaller font than today's desktops use; a
    // column is never made narrower than its header text.
    const QString header = FromAnsi(model_.Text(column, 0));
    const int header_pixels =
        header.isEmpty() ? 0 : horizontalHeader()->fontMetrics().horizontalAdvance(header) + 14;
    const int width = std::max(pixels, header_pixels);
    if (!hidden && columnWidth(column - 1) != width) {
      model_.ForgetViewRowHeights();
      setColumnWidth(column - 1, width);
    }
  }
}

void TableView::RowLayoutChanged(int first, int last) {
  for (int row = std::max(first, 1); row <= std::min(last, model_.RowCount()); ++row) {
    const bool hidden = model_.RowHidden(row);
    if (isRowHidden(row - 1) != hidden) setRowHidden(row - 1, hidden);
    if (hidden || !model_.RowFitted(row)) continue;
    // The model keeps the measure with the row, so after a sort only the
    // rows whose texts changed are measured again.
    int height = model_.ViewRowHeight(row);
    if (height == 0) {
      height = FittedHeight(row);
      model_.SetViewRowHeight(row, height);
    }
    if (rowHeight(row - 1) != height) setRowHeight(row - 1, height);
  }
}

// Only texts that wrap or break lines can make a row taller. The delegate
// measures them from their bytes with a per-byte advance table, without
// shaping, so a full parameter list is fitted in a few milliseconds.
int TableView::FittedHeight(int row) {
  ++rows_measured_;
  int height = verticalHeader()->defaultSectionSize();
  // A row's height includes the grid line below it.
  const int grid_line = showGrid() ? 1 : 0;
  QStyleOptionViewItem option;
  bool option_ready = false;
  for (int column = 1; column <= model_.ColumnCount(); ++column) {
    const std::string_view bytes = model_.Text(column, row);
    if (bytes.empty() || isColumnHidden(column - 1)) continue;
    const CellType& type = model_.Type(column, row);
    const bool wraps = type.kind == CellKind::kText && type.wrap;
    if (!wraps && bytes.find('\n') == std::string_view::npos) continue;
    if (!option_ready) {
      initViewItemOption(&option);
      option_ready = true;
    }
    option.rect = QRect(0, 0, columnWidth(column - 1), height);
    const QModelIndex index = adapter_->index(row - 1, column - 1);
    height = std::max(height, delegate_->sizeHint(option, index).height() + grid_line);
  }
  return height;
}

void TableView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  model_.ForgetViewRowHeights();
  FitDefaultRowHeight();
  FollowModel();
}

// A row of one-line texts is one line high, as in a spreadsheet; the style's
// default would give every row room for two.
void TableView::FitDefaultRowHeight() {
  const int height = fontMetrics().lineSpacing() + 8;
  verticalHeader()->setMinimumSectionSize(height);
  verticalHeader()->setDefaultSectionSize(height);
}

void TableView::ActiveCellChanged(int, int) {
  ShowActiveCell();
}

void TableView::ShowActiveCell() {
  const QModelIndex index = adapter_->index(model_.ActiveRow() - 1, model_.ActiveColumn() - 1);
  if (!index.isValid() || index == currentIndex()) return;
  ++following_;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  scrollTo(index);
  --following_;
}

void TableView::SelectionChanged() {
  if (reporting_ == 0) ShowSelection();
}

void TableView::ShowSelection() {
  ++following_;
  const CellBlock block = model_.Selection();
  const int top = std::max(block.first_row, 1) - 1;
  const int bottom = std::min(block.last_row, model_.RowCount()) - 1;
  const int left = block.WholeRows() ? 0 : std::max(block.first_column, 1) - 1;
  const int right = (block.WholeRows() ? model_.ColumnCount()
                                       : std::min(block.last_column, model_.ColumnCount())) -
                    1;
  if (!model_.HasSelection() || top > bottom || left > right) {
    selectionModel()->clearSelection();
  } else {
    selectionModel()->select(
        QItemSelection(adapter_->index(top, left), adapter_->index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
  }
  --following_;
}

void TableView::TopRowChanged(int row) {
  if (reporting_ > 0 || rowAt(0) + 1 == row) return;
  const QModelIndex index = adapter_->index(row - 1, std::max(columnAt(0), 0));
  if (!index.isValid()) return;
  ++following_;
  scrollTo(index, QAbstractItemView::PositionAtTop);
  --following_;
}

void TableView::Report(const std::function<void()>& report) {
  RunWaitingReports();
  report();
  emit EventForwarded();
}

void TableView::ReportInTurn(std::function<void()> report) {
  if (waiting_reports_.empty()) return Report(report);
  waiting_reports_.push_back(std::move(report));
}

void TableView::ReportAfterEditorClosed(std::function<void()> report) {
  waiting_reports_.push_back(std::move(report));
  QMetaObject::invokeMethod(this, &TableView::RunWaitingReports, Qt::QueuedConnection);
}

void TableView::RunWaitingReports() {
  // A report may show a box whose event loop runs this again; the outer run
  // goes on with the rest, in order.
  if (running_waiting_reports_) return;
  running_waiting_reports_ = true;
  while (!waiting_reports_.empty()) {
    const std::function<void()> report = std::move(waiting_reports_.front());
    waiting_reports_.pop_front();
    report();
    emit EventForwarded();
  }
  running_waiting_reports_ = false;
}

void TableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // Qt commits and closes an open editor in here first.
  QTableView::currentChanged(current, previous);
  if (following_ > 0 || !current.isValid()) return;
  const int column = TableAdapter::ColumnOf(current);
  const int row = TableAdapter::RowOf(current);
  ReportInTurn([this, column, row] { model_.MoveActiveCell(column, row); });
}

void TableView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  QTableView::selectionChanged(selected, deselected);
  if (following_ == 0) ReportSelection();
}

void TableView::ReportSelection() {
  const QItemSelection selection = selectionModel()->selection();
  ++reporting_;
  if (selection.isEmpty()) {
    model_.ClearSelection();
  } else {
    // A contiguous selection, but Qt may keep it in pieces. In a grid of one
    // column a selected cell stays a cell: whole rows are the row headers'.
    const int last_column = model_.ColumnCount() - 1;
    constexpr int kFar = std::numeric_limits<int>::max();
    CellBlock block{kFar, -1, kFar, -1};
    bool whole_rows = last_column > 0;
    for (const QItemSelectionRange& range : selection) {
      block.first_row = std::min(block.first_row, range.top() + 1);
      block.last_row = std::max(block.last_row, range.bottom() + 1);
      block.first_column = std::min(block.first_column, range.left() + 1);
      block.last_column = std::max(block.last_column, range.right() + 1);
      whole_rows = whole_rows && range.left() == 0 && range.right() == last_column;
    }
    if (whole_rows) block.first_column = block.last_column = -1;
    model_.SetSelection(block);
  }
  --reporting_;
}

void TableView::keyPressEvent(QKeyEvent* event) {
  const int16_t key = VirtualKeyOf(*event);
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  bool swallowed = false;
  if (key != 0) Report([&] { swallowed = model_.KeyDown(key, ctrl) == 0; });
  if (swallowed) return event->accept();
  const int16_t character = CharacterOf(*event);
  if (character != 0) Report([&] { swallowed = model_.KeyPress(character) == 0; });
  if (swallowed) return event->accept();
  const QModelIndex current = currentIndex();
  const bool opens_list =
      event->key() == Qt::Key_F4 ||
      (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
  if (opens_list && state() != EditingState && current.isValid()) {
    // F4 and Alt+Down open a list cell's drop-down, as in a spreadsheet.
    edit(current, QAbstractItemView::EditKeyPressed, event);
    if (auto* list = qobject_cast<QComboBox*>(indexWidget(current))) list->showPopup();
    return event->accept();
  }
  if (key == kKeyEnter && state() != EditingState && current.isValid()) {
    // Enter moves the cursor down a row, as in the spreadsheet users know.
    Report([&] {
      model_.MoveActiveCell(TableAdapter::ColumnOf(current), TableAdapter::RowOf(current) + 1);
    });
    return event->accept();
  }
  delegate_->SetReportedEvent(event);
  QTableView::keyPressEvent(event);
  delegate_->SetReportedEvent(nullptr);
}

void TableView::contextMenuEvent(QContextMenuEvent* event) {
  const QModelIndex index = indexAt(event->pos());
  const int column = index.isValid() ? TableAdapter::ColumnOf(index) : 0;
  const int row = index.isValid() ? TableAdapter::RowOf(index) : 0;
  const QPoint at = event->globalPos();
  Report([&] { model_.RightClick(column, row, at.x(), at.y()); });
  event->accept();
}

}  // namespace pfedit::gui
