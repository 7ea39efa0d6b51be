#pragma once

// Hands each character typed into a text box to a logic's KeyPress handler
// before the box sees it. The handler may change the key (the box then gets
// the changed character) or set it to 0 (the key is swallowed). Editing keys
// that type nothing other than backspace, tab and Enter never reach it.

#include <cstdint>
#include <functional>

class QLineEdit;

namespace pfedit::gui {

void FilterKeyPress(QLineEdit* box, std::function<void(int16_t& key)> handler);

}  // namespace pfedit::gui
