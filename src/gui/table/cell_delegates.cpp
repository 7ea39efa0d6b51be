#include "gui/table/cell_delegates.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyle>
#include <cmath>

#include "gui/table/key_codes.h"
#include "gui/table/table_adapter.h"
#include "gui/table/table_view.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

// Where an open editor belongs, kept on the editor itself.
constexpr char kColumnProperty[] = "pfeditColumn";
constexpr char kRowProperty[] = "pfeditRow";

int ColumnOf(const QModelIndex& index) {
  return TableAdapter::ColumnOf(index);
}
int RowOf(const QModelIndex& index) {
  return TableAdapter::RowOf(index);
}

}  // namespace

CellValidator::CellValidator(const TableModel& model, int column, int row, QObject* parent)
    : QValidator(parent), model_(model), column_(column), row_(row) {}

QValidator::State CellValidator::validate(QString& input, int&) const {
  switch (model_.CheckEntry(column_, row_, ToAnsi(input))) {
    case EntryCheck::kAcceptable:
      return Acceptable;
    case EntryCheck::kIntermediate:
      return Intermediate;
    case EntryCheck::kInvalid:
      break;
  }
  return Invalid;
}

QLineEdit* TypedCellDelegate::NewLineEdit(QWidget* parent, const QModelIndex& index,
                                          bool validated) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  const int max_length = model_.Type(ColumnOf(index), RowOf(index)).max_length;
  if (max_length > 0) editor->setMaxLength(max_length);
  if (validated) {
    editor->setValidator(new CellValidator(model_, ColumnOf(index), RowOf(index), editor));
  }
  return editor;
}

QVariant TypedCellDelegate::EditorValue(QWidget* editor) const {
  // The property Qt's own delegates commit: the text of a line edit.
  return editor->metaObject()->userProperty().read(editor);
}

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
  return NewLineEdit(parent, index, false);
}

QWidget* WholeNumberCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                               const QModelIndex& index) const {
  return NewLineEdit(parent, index, true);
}

QWidget* DecimalCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
  return NewLineEdit(parent, index, true);
}

QWidget* ListCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
  auto* editor = new QComboBox(parent);
  editor->setFrame(false);
  for (const std::string& item : model_.ListItems(ColumnOf(index), RowOf(index))) {
    editor->addItem(FromAnsi(item));
  }
  return editor;
}

void ListCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

QVariant ListCellDelegate::EditorValue(QWidget* editor) const {
  return static_cast<QComboBox*>(editor)->currentIndex();
}

QWidget* HexCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
  QLineEdit* editor = NewLineEdit(parent, index, false);
  // Fewer than four digits may be typed: the form pads them with zeros.
  editor->setInputMask(QStringLiteral("hhhh"));
  return editor;
}

QWidget* NoEditorCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                            const QModelIndex&) const {
  return nullptr;
}

CellDelegate::CellDelegate(TableModel& model, TableView* view)
    : QStyledItemDelegate(view), model_(model), view_(view) {
  auto* no_editor = new NoEditorCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kText)] = new TextCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kWholeNumber)] =
      new WholeNumberCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kDecimalText)] = new DecimalCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kList)] = new ListCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kHexCode)] = new HexCellDelegate(model, this);
  delegates_[static_cast<size_t>(CellKind::kCheckBox)] = no_editor;
  delegates_[static_cast<size_t>(CellKind::kStatic)] = no_editor;
}

QStyledItemDelegate* CellDelegate::DelegateFor(CellKind kind) const {
  return delegates_[static_cast<size_t>(kind)];
}

TypedCellDelegate* CellDelegate::DelegateFor(const QModelIndex& index) const {
  return delegates_[static_cast<size_t>(model_.Type(ColumnOf(index), RowOf(index)).kind)];
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  bool may_edit = false;
  view_->Report([&] { may_edit = model_.BeginEdit(column, row); });
  if (!may_edit) return nullptr;
  QWidget* editor = DelegateFor(index)->createEditor(parent, option, index);
  if (editor != nullptr) {
    editor->setProperty(kColumnProperty, column);
    editor->setProperty(kRowProperty, row);
  }
  return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  DelegateFor(index)->setEditorData(editor, index);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  const QVariant value = DelegateFor(index)->EditorValue(editor);
  view_->ReportAfterEditorClosed(
      [model = QPointer<QAbstractItemModel>(model), cell = QPersistentModelIndex(index), value] {
        // Rows may have gone meanwhile.
        if (model && cell.isValid()) model->setData(cell, value, Qt::EditRole);
      });
}

bool CellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
  const bool may_toggle =
      (index.flags() & Qt::ItemIsUserCheckable) &&
      (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress);
  if (!may_toggle) return QStyledItemDelegate::editorEvent(event, model, option, index);
  bool handled = false;
  view_->Report([&] { handled = QStyledItemDelegate::editorEvent(event, model, option, index); });
  return handled;
}

CellTextPainter* CellDelegate::TextPainterFor(const QStyleOptionViewItem& option, CellKind kind,
                                              std::string_view text) const {
  if (kind == CellKind::kCheckBox) return nullptr;
  if (!text_font_set_ || option.font != text_font_) {
    text_font_ = option.font;
    text_font_set_ = true;
    text_painter_.SetFont(text_font_);
  }
  return text_painter_.Ready() && text_painter_.CanDraw(text) ? &text_painter_ : nullptr;
}

namespace {

// Room left and right of a cell's text, as Qt's own item views leave it.
int TextMargin(const QStyleOptionViewItem& option) {
  const QWidget* widget = option.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

}  // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  const CellType& type = model_.Type(column, row);
  const std::string_view text = model_.Text(column, row);
  CellTextPainter* text_painter = TextPainterFor(option, type.kind, text);
  if (text_painter == nullptr) return QStyledItemDelegate::paint(painter, option, index);

  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group =
      !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
      : option.state.testFlag(QStyle::State_Active) ? QPalette::Normal
                                                    : QPalette::Inactive;
  const Colour background = model_.Background(column, row);
  const QColor fill = selected ? option.palette.color(group, QPalette::Highlight)
                               : QColor(background.red, background.green, background.blue);
  painter->fillRect(option.rect, fill);
  const QColor ink = selected ? option.palette.color(group, QPalette::HighlightedText)
                              : TableAdapter::TextColourOn(background);
  const int margin = TextMargin(option);
  text_painter->Draw(*painter, option.rect.adjusted(margin, 0, -margin, 0), text,
                     type.kind == CellKind::kText && type.wrap, ink);
  if (option.state.testFlag(QStyle::State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = fill;
    const QWidget* widget = option.widget;
    (widget != nullptr ? widget->style() : QApplication::style())
        ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
}

QSize CellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const int column = ColumnOf(index);
  const int row = RowOf(index);
  const CellType& type = model_.Type(column, row);
  const std::string_view text = model_.Text(column, row);
  const CellTextPainter* text_painter = TextPainterFor(option, type.kind, text);
  if (text_painter == nullptr) return QStyledItemDelegate::sizeHint(option, index);
  const int margin = TextMargin(option);
  const bool wrap = type.kind == CellKind::kText && type.wrap;
  // The view paints a cell in its column's width less the grid line.
  const int grid_line = view_->showGrid() ? 1 : 0;
  const int lines =
      text_painter->LineCount(text, option.rect.width() - grid_line - 2 * margin, wrap);
  const int width = wrap ? option.rect.width()
                         : static_cast<int>(std::ceil(text_painter->Width(text))) + 2 * margin;
  // One line is the view's default row, grid line included; each further
  // line adds its spacing.
  return QSize(width, lines * text_painter->LineSpacing() + 7);
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const CellType& type = model_.Type(ColumnOf(index), RowOf(index));
  if (type.kind == CellKind::kText && type.wrap) {
    option->features |= QStyleOptionViewItem::WrapText;
  } else {
    option->features &= ~QStyleOptionViewItem::WrapText;
  }
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(object);
  if (editor == nullptr || event->type() != QEvent::KeyPress || event == reported_event_) {
    return QStyledItemDelegate::eventFilter(object, event);
  }
  const auto& key_event = *static_cast<QKeyEvent*>(event);
  const int16_t key = VirtualKeyOf(key_event);
  const bool ctrl = key_event.modifiers().testFlag(Qt::ControlModifier);
  bool swallowed = false;
  if (key != 0) view_->Report([&] { swallowed = model_.KeyDown(key, ctrl) == 0; });
  if (swallowed) return true;
  const int16_t character = CharacterOf(key_event);
  if (character != 0) view_->Report([&] { swallowed = model_.KeyPress(character) == 0; });
  if (key != kKeyEnter) return swallowed || QStyledItemDelegate::eventFilter(object, event);

  // Enter ends editing and, unless the form swallowed it, moves down a row.
  const auto* line = qobject_cast<QLineEdit*>(editor);
  if (line != nullptr && !line->hasAcceptableInput()) return true;
  const int column = editor->property(kColumnProperty).toInt();
  const int row = editor->property(kRowProperty).toInt();
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  if (!swallowed) {
    view_->ReportInTurn([this, column, row] { model_.MoveActiveCell(column, row + 1); });
  }
  return true;
}

}  // namespace pfedit::gui
