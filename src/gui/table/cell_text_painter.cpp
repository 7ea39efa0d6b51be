#include "gui/table/cell_text_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <string>

#include "gui/text_codec.h"

namespace pfedit::gui {

void CellTextPainter::SetFont(const QFont& font) {
  raw_font_ = QRawFont::fromFont(font);
  glyphs_.fill(0);
  advances_.fill(0);
  if (!raw_font_.isValid()) return;
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const QString character = FromAnsi(std::string_view(&c, 1));
    // Control characters have no glyph of their own, and a byte that is not
    // a character by itself (a lead byte of a double-byte code page) none
    // either: texts with them are Qt's to show.
    if (character.size() != 1 || character[0].category() == QChar::Other_Control ||
        ToAnsi(character) != std::string(1, c)) {
      continue;
    }
    const QList<quint32> glyphs = raw_font_.glyphIndexesForString(character);
    if (glyphs.size() != 1 || glyphs[0] == 0) continue;
    glyphs_[static_cast<std::size_t>(byte)] = glyphs[0];
    advances_[static_cast<std::size_t>(byte)] = raw_font_.advancesForGlyphIndexes(glyphs)[0].x();
  }
  const QList<quint32> ellipsis = raw_font_.glyphIndexesForString(QString(QChar(0x2026)));
  ellipsis_glyph_ = ellipsis.size() == 1 ? ellipsis[0] : glyphs_['.'];
  ellipsis_advance_ =
      ellipsis_glyph_ != 0 ? raw_font_.advancesForGlyphIndexes({ellipsis_glyph_})[0].x() : 0;
  const QFontMetrics metrics(font);
  line_spacing_ = metrics.lineSpacing();
  ascent_ = metrics.ascent();
  run_.setRawFont(raw_font_);
}

bool CellTextPainter::CanDraw(std::string_view bytes) const {
  return std::all_of(bytes.begin(), bytes.end(), [this](char c) {
    return c == '\n' || glyphs_[static_cast<unsigned char>(c)] != 0;
  });
}

qreal CellTextPainter::Width(std::string_view bytes) const {
  qreal width = 0;
  for (const char c : bytes) width += advances_[static_cast<unsigned char>(c)];
  return width;
}

template <typename Line>
int CellTextPainter::ForEachLine(std::string_view bytes, qreal width, bool wrap, Line line) const {
  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = bytes.find('\n', start);
    const std::string_view paragraph = bytes.substr(start, end - start);
    std::size_t at = 0;
    do {
      std::size_t next = paragraph.size();
      if (wrap) {
        // As many bytes as fit, broken after the last blank if there is
        // one; blanks at the end of a line may stand out beyond it.
        qreal used = 0;
        std::size_t after_blank = std::string_view::npos;
        next = at;
        while (next < paragraph.size()) {
          const char c = paragraph[next];
          const qreal advance = advances_[static_cast<unsigned char>(c)];
          if (c != ' ' && next > at && used + advance > width) break;
          used += advance;
          ++next;
          if (c == ' ') after_blank = next;
        }
        if (next < paragraph.size() && after_blank != std::string_view::npos) next = after_blank;
      }
      line(paragraph.substr(at, next - at));
      ++count;
      at = next;
    } while (at < paragraph.size());
    if (end == std::string_view::npos) return count;
    start = end + 1;
  }
}

int CellTextPainter::LineCount(std::string_view bytes, qreal width, bool wrap) const {
  return ForEachLine(bytes, width, wrap, [](std::string_view) {});
}

void CellTextPainter::Draw(QPainter& painter, const QRect& rect, std::string_view bytes, bool wrap,
                           const QColor& colour) {
  if (bytes.empty()) return;
  const qreal width = rect.width();
  const int lines = LineCount(bytes, width, wrap);
  const qreal top = rect.top() + std::max(0.0, (rect.height() - lines * line_spacing_) / 2.0);
  if (painter.pen().color() != colour || painter.pen().style() != Qt::SolidLine) {
    // A pen per colour, kept: setting a colour makes a new pen each time.
    auto kept = std::find_if(pens_.begin(), pens_.end(),
                             [&](const QPen& pen) { return pen.color() == colour; });
    if (kept == pens_.end()) {
      if (pens_.size() >= 8) pens_.clear();
      pens_.emplace_back(colour);
      kept = pens_.end() - 1;
    }
    painter.setPen(*kept);
  }
  qreal baseline = top + ascent_;
  ForEachLine(bytes, width, wrap, [&](std::string_view line) {
    if (baseline - ascent_ < rect.bottom() + 1) {
      DrawLine(painter, line, QPointF(rect.left(), std::round(baseline)), width);
    }
    baseline += line_spacing_;
  });
}

void CellTextPainter::DrawLine(QPainter& painter, std::string_view bytes, QPointF at, qreal width) {
  while (!bytes.empty() && bytes.back() == ' ') bytes.remove_suffix(1);
  if (bytes.empty()) return;
  std::size_t count = bytes.size();
  const bool elide = Width(bytes) > width;
  if (elide) {
    qreal used = ellipsis_advance_;
    count = 0;
    while (count < bytes.size()) {
      const qreal advance = advances_[static_cast<unsigned char>(bytes[count])];
      if (used + advance > width) break;
      used += advance;
      ++count;
    }
  }
  const std::size_t glyphs = count + (elide ? 1 : 0);
  if (line_glyphs_.size() < glyphs) {
    line_glyphs_.resize(glyphs);
    line_positions_.resize(glyphs);
  }
  qreal x = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    line_glyphs_[i] = glyphs_[byte];
    line_positions_[i] = QPointF(x, 0);
    x += advances_[byte];
  }
  if (elide) {
    line_glyphs_[count] = ellipsis_glyph_;
    line_positions_[count] = QPointF(x, 0);
  }
  run_.setRawData(line_glyphs_.data(), line_positions_.data(), static_cast<int>(glyphs));
  painter.drawGlyphRun(at, run_);
}

}  // namespace pfedit::gui
