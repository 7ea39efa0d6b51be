#pragma once

// Measures and draws the grid's cell texts straight from the model's bytes.
// The texts are single-byte, so each byte's glyph and advance are looked up
// once per font; painting a cell then neither converts its text to a QString
// nor shapes it, and scrolling through a long list allocates nothing per row.
// A text with a byte the font has no glyph for is left to Qt, which finds a
// fallback font.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPen>
#include <QPointF>
#include <QRawFont>
#include <array>
#include <string_view>
#include <vector>

class QPainter;
class QRect;

namespace pfedit::gui {

class CellTextPainter {
 public:
  void SetFont(const QFont& font);
  bool Ready() const { return raw_font_.isValid(); }

  // Every byte has a glyph of its own (a line break aside).
  bool CanDraw(std::string_view bytes) const;
  // Width of one line, in pixels.
  qreal Width(std::string_view bytes) const;
  // Lines the text takes in `width` pixels: broken at line breaks and, when
  // it wraps, between words, or inside a word longer than a line.
  int LineCount(std::string_view bytes, qreal width, bool wrap) const;
  int LineSpacing() const { return line_spacing_; }

  // Draws the text left-aligned and centred vertically in the rectangle. A
  // line that does not fit ends in an ellipsis.
  void Draw(QPainter& painter, const QRect& rect, std::string_view bytes, bool wrap,
            const QColor& colour);

 private:
  // Calls line(begin, end) for each line of the text; returns the count.
  template <typename Line>
  int ForEachLine(std::string_view bytes, qreal width, bool wrap, Line line) const;
  void DrawLine(QPainter& painter, std::string_view bytes, QPointF at, qreal width);

  QRawFont raw_font_;
  std::array<quint32, 256> glyphs_{};
  std::array<qreal, 256> advances_{};
  quint32 ellipsis_glyph_ = 0;
  qreal ellipsis_advance_ = 0;
  int line_spacing_ = 0;
  qreal ascent_ = 0;
  // Reused by every line drawn, so that drawing allocates only while a line
  // is longer than any before.
  std::vector<quint32> line_glyphs_;
  std::vector<QPointF> line_positions_;
  QGlyphRun run_;
  std::vector<QPen> pens_;
};

}  // namespace pfedit::gui
