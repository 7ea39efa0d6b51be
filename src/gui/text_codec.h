#pragma once

// The bridge between the bytes the logic keeps (ANSI code page, as in the
// files) and the QString the widgets show. On Windows the system's ANSI code
// page is used; elsewhere Windows-1252, whose five unassigned bytes map to the
// C1 control characters of the same number so that every byte survives a
// round trip.

#include <QString>
#include <string>
#include <string_view>

namespace pfedit::gui {

QString FromAnsi(std::string_view bytes);
// Characters the code page cannot hold become '?'.
std::string ToAnsi(const QString& text);

}  // namespace pfedit::gui
