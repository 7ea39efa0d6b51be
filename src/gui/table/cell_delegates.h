#pragma once

// The editors of the grid's cell types: one delegate per type, and the
// delegate the view uses, which hands each cell to the delegate of its type
// and reports the keys typed into an open editor to the model.

#include <QStyledItemDelegate>
#include <QValidator>
#include <array>
#include <string_view>

#include "core/table_model.h"
#include "gui/table/cell_text_painter.h"

class QLineEdit;

namespace pfedit::gui {

class TableView;

// Lets the model's rules for the cell decide what may be typed.
class CellValidator final : public QValidator {
  Q_OBJECT

 public:
  CellValidator(const TableModel& model, int column, int row, QObject* parent);
  State validate(QString& input, int& position) const override;

 private:
  const TableModel& model_;
  int column_;
  int row_;
};

class TypedCellDelegate : public QStyledItemDelegate {
 public:
  TypedCellDelegate(TableModel& model, QObject* parent)
      : QStyledItemDelegate(parent), model_(model) {}

  // What the editor holds, as the adapter takes it for the cell.
  virtual QVariant EditorValue(QWidget* editor) const;

 protected:
  // A frameless line edit with the cell's length limit and, when validated,
  // the cell's rules for what may be typed.
  QLineEdit* NewLineEdit(QWidget* parent, const QModelIndex& index, bool validated) const;

  TableModel& model_;
};

// Text with a length limit.
class TextCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

// Whole numbers within the cell's range.
class WholeNumberCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

// Digits and the decimal mark.
class DecimalCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

// A drop-down list; the value is the item index.
class ListCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  QVariant EditorValue(QWidget* editor) const override;
};

// Up to four hexadecimal digits.
class HexCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

// Check boxes are toggled in place, static text is never edited: neither has
// an editor.
class NoEditorCellDelegate final : public TypedCellDelegate {
 public:
  using TypedCellDelegate::TypedCellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
};

// Reports go through the view, which keeps them in the order the user acted.
class CellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  CellDelegate(TableModel& model, TableView* view);

  QStyledItemDelegate* DelegateFor(CellKind kind) const;

  // Opening an editor is the user's edit start; the model may refuse it.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // Commits the editor's value once Qt has closed the editor.
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  // Cell texts are drawn and measured from the model's bytes (see
  // CellTextPainter); check boxes and texts the font cannot show are Qt's.
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Ticking a check box is reported like any other change.
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  // The key event the view has already reported; the view hands the same
  // event on to an editor it opens, which must not report it again.
  void SetReportedEvent(const QEvent* event) { reported_event_ = event; }

 protected:
  // Only text cells of a wrapping type wrap.
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  TypedCellDelegate* DelegateFor(const QModelIndex& index) const;
  // The painter, set up for the option's font; null when Qt must draw the
  // cell itself.
  CellTextPainter* TextPainterFor(const QStyleOptionViewItem& option, CellKind kind,
                                  std::string_view text) const;

  TableModel& model_;
  TableView* view_;                                // the parent
  std::array<TypedCellDelegate*, 7> delegates_{};  // owned as children
  const QEvent* reported_event_ = nullptr;
  mutable CellTextPainter text_painter_;
  mutable QFont text_font_;
  mutable bool text_font_set_ = false;
};

}  // namespace pfedit::gui
