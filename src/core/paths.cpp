#include "core/paths.h"

#include "core/platform.h"
#include "core/text_services.h"

namespace pfedit {

namespace {

// Windows takes both marks as separators; elsewhere a backslash is taken as
// one too, so that paths written the Windows way still work.
bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace

std::string CheckPath(std::string_view path, int mask) {
  if (Trim(path).empty()) return std::string();
  const std::string text(path);
  int attributes = platform::FileAttributes(text);
  if (attributes == -1) return std::string();
  if (mask == 0) return text;
  if (attributes == kAttributeNormal) attributes = 0;
  return (attributes & mask) != 0 ? text : std::string();
}

bool FolderOfPathExists(std::string_view path) {
  const std::size_t last = LastSeparator(path);
  // A separator at the very start ("\name") leaves no folder to look at, so
  // the whole path is tested, as for a bare name.
  const std::string_view folder =
      (last != std::string_view::npos && last >= 1) ? path.substr(0, last + 1) : path;
  if (folder.empty()) return false;
  return platform::FileAttributes(std::string(folder)) != -1;
}

char PathSeparator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !IsSeparator(path.back())) path += PathSeparator();
  path += name;
  return path;
}

std::string FolderPart(std::string_view path) {
  const std::size_t last = LastSeparator(path);
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

}  // namespace pfedit
