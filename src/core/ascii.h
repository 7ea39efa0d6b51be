#pragma once

// Character classes of the file formats and of typed cell texts. They look at
// ASCII only and never at the C locale, so that the bytes of a multi-byte
// code page are never taken for digits or blanks, whatever the machine's
// settings.

namespace pfedit {

// Space and tab: what the files pad values with.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value 0 to 15 of a hexadecimal digit of either case, -1 for any other
// character.
constexpr int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr bool IsHexDigit(char c) {
  return HexDigitValue(c) >= 0;
}

// Model codes are written with capitals only.
constexpr bool IsUpperHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F');
}

}  // namespace pfedit
