#pragma once

// The value types of one grid cell: its colour, its type with the limits the
// user's input must respect, and the block form of a selection.

#include <cstdint>
#include <string>
#include <utility>

namespace pfedit {

struct Colour {
  uint8_t red = 255;
  uint8_t green = 255;
  uint8_t blue = 255;

  friend bool operator==(const Colour& a, const Colour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
  friend bool operator!=(const Colour& a, const Colour& b) { return !(a == b); }
};

constexpr Colour kWhite{255, 255, 255};

enum class CellKind : uint8_t {
  kText,         // free text, optionally limited in length and wrapping
  kWholeNumber,  // a whole number between a minimum and a maximum
  kDecimalText,  // digits and the decimal mark only
  kList,         // one of the items of a drop-down list; the value is the index
  kHexCode,      // up to 4 hexadecimal digits
  kCheckBox,     // value 0 or 1
  kStatic,       // shown, never edited by the user
};

struct CellType {
  CellKind kind = CellKind::kText;
  int max_length = 0;       // Text and DecimalText: most characters, 0 for no limit
  bool wrap = false;        // Text: long texts wrap onto further lines
  long long minimum = 0;    // WholeNumber
  long long maximum = 0;    // WholeNumber
  char decimal_mark = '.';  // DecimalText
  std::string items;        // List: the item texts joined by tab characters

  static CellType Text(int max_length = 0, bool wrap = false) {
    CellType type;
    type.max_length = max_length;
    type.wrap = wrap;
    return type;
  }
  static CellType WholeNumber(long long minimum, long long maximum) {
    CellType type;
    type.kind = CellKind::kWholeNumber;
    type.minimum = minimum;
    type.maximum = maximum;
    return type;
  }
  static CellType DecimalText(int max_length, char decimal_mark) {
    CellType type;
    type.kind = CellKind::kDecimalText;
    type.max_length = max_length;
    type.decimal_mark = decimal_mark;
    return type;
  }
  static CellType List(std::string tab_joined_items) {
    CellType type;
    type.kind = CellKind::kList;
    type.items = std::move(tab_joined_items);
    return type;
  }
  static CellType OfKind(CellKind kind) {
    CellType type;
    type.kind = kind;
    return type;
  }

  friend bool operator==(const CellType& a, const CellType& b) {
    return a.kind == b.kind && a.max_length == b.max_length && a.wrap == b.wrap &&
           a.minimum == b.minimum && a.maximum == b.maximum && a.decimal_mark == b.decimal_mark &&
           a.items == b.items;
  }
};

// A rectangle of cells, bounds included. A first column of -1 (the last
// column is then -1 as well) means that whole rows are selected.
struct CellBlock {
  int first_column = 0;
  int last_column = 0;
  int first_row = 0;
  int last_row = 0;

  bool WholeRows() const { return first_column == -1; }
  friend bool operator==(const CellBlock& a, const CellBlock& b) {
    return a.first_column == b.first_column && a.last_column == b.last_column &&
           a.first_row == b.first_row && a.last_row == b.last_row;
  }
};

// How far a text typed into a cell satisfies the cell's type: Intermediate is
// a beginning that more typing can still make acceptable.
enum class EntryCheck { kAcceptable, kIntermediate, kInvalid };

// Key codes of the key-down event (virtual keys) and the key-press event
// (characters) that the editor's handlers look at.
constexpr int16_t kKeyBackspace = 8;
constexpr int16_t kKeyTab = 9;
constexpr int16_t kKeyEnter = 13;
constexpr int16_t kKeyEscape = 27;
constexpr int16_t kKeyPageUp = 33;
constexpr int16_t kKeyPageDown = 34;
constexpr int16_t kKeyEnd = 35;
constexpr int16_t kKeyHome = 36;
constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyRight = 39;
constexpr int16_t kKeyDown = 40;
constexpr int16_t kKeyInsert = 45;
constexpr int16_t kKeyDelete = 46;
constexpr int16_t kKeyF1 = 112;
constexpr int16_t kKeyF2 = 113;

}  // namespace pfedit
