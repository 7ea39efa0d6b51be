#include "gui/key_press_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <string>
#include <utility>

#include "gui/text_codec.h"

namespace pfedit::gui {
namespace {

class KeyPressFilter final : public QObject {
 public:
  KeyPressFilter(QLineEdit* box, std::function<void(int16_t&)> handler)
      : QObject(box), box_(box), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    const auto* key_event = static_cast<QKeyEvent*>(event);
    if (key_event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    int16_t key = 0;
    switch (key_event->key()) {
      case Qt::Key_Backspace:
        key = 8;
        break;
      case Qt::Key_Tab:
        key = 9;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        key = 13;
        break;
      default: {
        const QString text = key_event->text();
        if (text.size() != 1 || !text.at(0).isPrint()) return false;
        const std::string bytes = ToAnsi(text);
        // A character the code page cannot hold reaches the handler as an
        // unknown key, which numeric boxes swallow.
        key = bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : 0x7FFF;
      }
    }
    const int16_t typed = key;
    handler_(key);
    if (key == 0) return true;
    if (key == typed) return false;
    box_->insert(FromAnsi(std::string(1, static_cast<char>(key))));
    return true;
  }

 private:
  QLineEdit* box_;
  std::function<void(int16_t&)> handler_;
};

}  // namespace

void FilterKeyPress(QLineEdit* box, std::function<void(int16_t& key)> handler) {
  box->installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

}  // namespace pfedit::gui
