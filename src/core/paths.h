#pragma once

// Path services. They never throw and never show anything: absence is
// reported as empty text or false. A backslash is a separator everywhere; off
// Windows a slash is one too.

#include <cstdint>
#include <string>
#include <string_view>

namespace pfedit {

// File attribute bits, as the file system reports them.
enum : int {
  kAttributeReadOnly = 1,
  kAttributeHidden = 2,
  kAttributeSystem = 4,
  kAttributeDirectory = 16,
  kAttributeArchive = 32,
  kAttributeNormal = 128,
};

// The path itself when its trimmed form is not empty, the entry exists, and
// the mask is 0 or shares a bit with the entry's attributes (a plain file's
// "normal" attribute counts as 0); otherwise empty text.
std::string CheckPath(std::string_view path, int mask);

// Whether the folder part of the path (up to and including its last
// separator, when that is at position 2 or later; else the whole path) exists.
bool FolderOfPathExists(std::string_view path);

// The platform's separator.
char PathSeparator();

// folder, one separator, name.
std::string JoinPath(std::string_view folder, std::string_view name);

// The text before the last separator (the folder part of a file path).
std::string FolderPart(std::string_view path);

// The name of the catalogue file in an edit folder.
constexpr std::string_view kCatalogueFileName = "tarvo_param.vfd";

}  // namespace pfedit
