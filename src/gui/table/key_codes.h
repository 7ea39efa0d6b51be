#pragma once

// Qt key events in the codes the grid's key events use: virtual keys for key
// down, characters (bytes of the ANSI code page) for key press.

#include <cstdint>

class QKeyEvent;

namespace pfedit::gui {

// 0 when the key has no code the logic knows.
int16_t VirtualKeyOf(const QKeyEvent& event);
// 0 when the key types no character.
int16_t CharacterOf(const QKeyEvent& event);

}  // namespace pfedit::gui
