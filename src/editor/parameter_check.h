#pragma once

// The parameter check over the grid, and the records a checked grid gives.
//
// CheckParameterGrid, in this order:
//   1. every cell that is not cyan turns white (old marks go);
//   2. the rows are sorted by Pr, 2Pr and Name;
//   3. each row is scanned: Name, Digit, Unit, Setting Range, Special code,
//      Functional code, Writing order, Attribute must not be empty; Name and
//      Setting Range hold no double quote; a non-empty Initial Value must be
//      a number, is cut to three decimal places in its cell, and must be
//      9999 or 8888 where the special code allows them, or fit 0 to 65535
//      with no fraction once multiplied by 10^Digit;
//   4. after all rows, each row's Pr must be set and differ from the row
//      before in Pr or 2Pr.
// Every fault paints its cell red (a cyan cell keeps its colour) and the
// scan goes on; the result lists the faults in that order, so the first one
// is what the user is told. Nothing is shown: ShowCheckFault does that.
// Numbers are read and written with the decimal mark given, exactly in
// decimal, never through binary floating point.

#include <cstddef>
#include <string>
#include <vector>

#include "core/desktop.h"
#include "core/message_ids.h"
#include "core/records.h"
#include "core/table_model.h"

namespace pfedit::editor {

enum CheckErrorCode : int {
  kCheckEmpty = 1,        // a required cell is empty
  kCheckDigits = 2,       // more decimal places than Digit allows
  kCheckDuplicate = 3,    // same Pr and 2Pr as the row before
  kCheckDoubleQuote = 4,  // a double quote in Name or Setting Range
  kCheckNotNumber = 5,    // the initial value is no number
  kCheckOutOfRange = 6,   // the scaled initial value is outside 0 to 65535
};

struct CheckFault {
  int row = 0;  // in the sorted grid
  int column = 0;
  int code = 0;

  friend bool operator==(const CheckFault& a, const CheckFault& b) {
    return a.row == b.row && a.column == b.column && a.code == b.code;
  }
};

struct ParameterCheckResult {
  std::vector<CheckFault> faults;  // in the order they were found

  bool Passed() const { return faults.empty(); }
};

// Runs the check on the grid (steps above). When row_sources is given it
// holds, per row, whatever the caller follows the rows by (the index of the
// record each row came from); it is sorted along with the rows.
ParameterCheckResult CheckParameterGrid(TableModel& grid, char decimal_mark,
                                        std::vector<std::size_t>* row_sources = nullptr);

// The one message that names a fault: for code 6 the first of its lines.
MessageId CheckFaultMessage(int code);
// The text of the box that reports a fault: for code 6 the range rule with
// the ranges of every number of decimal places, one per line.
std::string CheckFaultText(int code);
// Shows the box for the first fault (exclamation), or message 1063 with the
// information icon when the check passed.
void ShowCheckResult(Desktop& desktop, const ParameterCheckResult& result);

// The grid's rows as records, in grid order. Meant for a grid that passed
// the check; a row that would fail gets -1 as its initial value. SortKey is
// Pr + 10000 for first and second parameters alike. Name and Setting Range
// are kept as they are; the writer quotes those holding a comma.
std::vector<ParameterRecord> StoreParameterList(const TableModel& grid, char decimal_mark);

}  // namespace pfedit::editor
