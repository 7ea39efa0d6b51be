#include "gui/table/key_codes.h"

#include <QKeyEvent>

#include "core/table_cell.h"
#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

struct KeyCode {
  int qt_key;
  int16_t code;
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Return, kKeyEnter},
    {Qt::Key_Enter, kKeyEnter},
    {Qt::Key_Escape, kKeyEscape},
    {Qt::Key_Backspace, kKeyBackspace},
    {Qt::Key_Tab, kKeyTab},
    {Qt::Key_Backtab, kKeyTab},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, kKeyEnd},
    {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Insert, kKeyInsert},
    {Qt::Key_Delete, kKeyDelete},
};

}  // namespace

int16_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  // Letters and digits share their codes with upper-case ASCII.
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<int16_t>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    return static_cast<int16_t>(kKeyF1 + (key - Qt::Key_F1));
  }
  for (const KeyCode& pair : kKeyCodes) {
    if (pair.qt_key == key) return pair.code;
  }
  return 0;
}

int16_t CharacterOf(const QKeyEvent& event) {
  // Platforms differ in the text they give these keys; as characters they
  // have the same codes as keys.
  const int16_t key = VirtualKeyOf(event);
  if (key == kKeyEnter || key == kKeyEscape || key == kKeyBackspace) return key;
  if (event.text().size() != 1) return 0;
  const std::string bytes = ToAnsi(event.text());
  const bool unmappable = bytes == "?" && event.text() != QStringLiteral("?");
  if (bytes.size() != 1 || unmappable) return 0;
  return static_cast<int16_t>(static_cast<unsigned char>(bytes[0]));
}

}  // namespace pfedit::gui
