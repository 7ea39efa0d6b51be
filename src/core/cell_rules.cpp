#include "core/cell_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/ascii.h"
#include "core/text_services.h"

namespace pfedit {

namespace {

EntryCheck CheckWholeNumber(std::string_view text, long long minimum, long long maximum) {
  const bool negative = text.front() == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (negative && minimum >= 0) return EntryCheck::kInvalid;
  if (digits.empty()) return EntryCheck::kIntermediate;
  // Blanks are fine in files, not in a number being typed.
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return EntryCheck::kInvalid;
  const auto number = ParseWholeNumber(text, std::numeric_limits<int64_t>::min(),
                                       std::numeric_limits<int64_t>::max());
  if (!number) return EntryCheck::kInvalid;  // beyond every range
  if (*number >= minimum && *number <= maximum) return EntryCheck::kAcceptable;
  // Typing on only moves the number further from zero.
  const bool too_far = *number >= 0 ? *number > maximum : *number < minimum;
  return too_far ? EntryCheck::kInvalid : EntryCheck::kIntermediate;
}

}  // namespace

std::vector<std::string> SplitListItems(std::string_view tab_joined) {
  std::vector<std::string> items;
  if (tab_joined.empty()) return items;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = tab_joined.find('\t', start);
    items.emplace_back(tab_joined.substr(start, tab - start));
    if (tab == std::string_view::npos) return items;
    start = tab + 1;
  }
}

EntryCheck CheckCellEntry(const CellType& type, const std::vector<std::string>& items,
                          std::string_view text) {
  if (text.empty()) return EntryCheck::kAcceptable;
  const bool too_long = type.max_length > 0 && text.size() > static_cast<size_t>(type.max_length);
  switch (type.kind) {
    case CellKind::kText:
    case CellKind::kStatic:
      return too_long ? EntryCheck::kInvalid : EntryCheck::kAcceptable;
    case CellKind::kWholeNumber:
      return CheckWholeNumber(text, type.minimum, type.maximum);
    case CellKind::kDecimalText: {
      const bool plain = std::all_of(text.begin(), text.end(),
                                     [&](char c) { return IsDigit(c) || c == type.decimal_mark; });
      return plain && !too_long ? EntryCheck::kAcceptable : EntryCheck::kInvalid;
    }
    case CellKind::kList: {
      bool beginning = false;
      for (const std::string& item : items) {
        if (item == text) return EntryCheck::kAcceptable;
        beginning = beginning || std::string_view(item).substr(0, text.size()) == text;
      }
      return beginning ? EntryCheck::kIntermediate : EntryCheck::kInvalid;
    }
    case CellKind::kHexCode:
      return text.size() <= 4 && std::all_of(text.begin(), text.end(), IsHexDigit)
                 ? EntryCheck::kAcceptable
                 : EntryCheck::kInvalid;
    case CellKind::kCheckBox:
      return text == "0" || text == "1" ? EntryCheck::kAcceptable : EntryCheck::kInvalid;
  }
  return EntryCheck::kInvalid;
}

int ListIndexOf(const std::vector<std::string>& items, std::string_view text) {
  if (text.empty()) return -1;
  const auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

int NumberOfCellText(std::string_view text) {
  return static_cast<int>(
      ParseWholeNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())
          .value_or(0));
}

std::string WholeNumberCellText(std::string_view text) {
  const auto number = ParseWholeNumber(text, std::numeric_limits<int64_t>::min(),
                                       std::numeric_limits<int64_t>::max());
  return number ? std::to_string(*number) : std::string(text);
}

CellSortKey SortKeyOf(const CellType& type, std::string_view text, int value) {
  CellSortKey key;
  switch (type.kind) {
    case CellKind::kWholeNumber: {
      const auto number = ParseWholeNumber(text, std::numeric_limits<int64_t>::min(),
                                           std::numeric_limits<int64_t>::max());
      key.rank = number ? CellSortKey::kNumber : CellSortKey::kNoNumber;
      key.number = number.value_or(0);
      break;
    }
    case CellKind::kDecimalText: {
      const auto number = ParseDecimalNumber(text, type.decimal_mark);
      key.rank = number ? CellSortKey::kDecimal : CellSortKey::kNoNumber;
      key.decimal = number.value_or(DecimalNumber());
      break;
    }
    case CellKind::kList:
    case CellKind::kCheckBox:
      key.rank = CellSortKey::kNumber;
      key.number = value;
      break;
    default:
      key.rank = CellSortKey::kText;
      key.text = text;
      break;
  }
  return key;
}

int CompareSortKeys(const CellSortKey& a, const CellSortKey& b) {
  if (a.rank != b.rank) return a.rank < b.rank ? -1 : 1;
  switch (a.rank) {
    case CellSortKey::kNumber:
      return a.number == b.number ? 0 : a.number < b.number ? -1 : 1;
    case CellSortKey::kText:
      return a.text.compare(b.text);
    case CellSortKey::kDecimal:
      return CompareDecimalNumbers(a.decimal, b.decimal);
    default:
      return 0;
  }
}

}  // namespace pfedit
