#include "gui/text_codec.h"

#include <QList>

#include "core/ansi_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pfedit::gui {

#ifdef _WIN32

QString FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return QString();
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return QString::fromWCharArray(wide.data(), length);
}

std::string ToAnsi(const QString& text) {
  if (text.isEmpty()) return std::string();
  const std::wstring wide = text.toStdWString();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, "?", nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, "?", nullptr);
  return bytes;
}

#else

namespace {

// The one byte whose Windows-1252 code point is `code`, '?' for none.
char ToByte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
    if (Windows1252CodePoint(static_cast<unsigned char>(byte)) == code) {
      return static_cast<char>(byte);
    }
  }
  return '?';
}

}  // namespace

QString FromAnsi(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes)
    *out++ = QChar(Windows1252CodePoint(static_cast<unsigned char>(byte)));
  return text;
}

std::string ToAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const char32_t code : text.toUcs4()) bytes += ToByte(code);
  return bytes;
}

#endif

}  // namespace pfedit::gui
