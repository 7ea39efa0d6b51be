#pragma once

// Texts from files are bytes in the ANSI code page (see records.h). Output
// that must be Unicode, such as the command-line tool's JSON, decodes them
// here: with the system's code page on Windows, with Windows-1252 elsewhere,
// as the views do.

#include <string>
#include <string_view>

namespace pfedit {

// The Unicode code point of one Windows-1252 byte. The five bytes the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own number.
char16_t Windows1252CodePoint(unsigned char byte);

// The bytes decoded with Windows-1252 and encoded as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// The bytes decoded with the ANSI code page and encoded as UTF-8. Always
// valid UTF-8, whatever the bytes.
std::string AnsiToUtf8(std::string_view bytes);

}  // namespace pfedit
