#pragma once

// The file operations of the readers and writers, behind an interface so
// that tests can make a read, a write, a rename or a flush fail on purpose.

#include <string>
#include <string_view>

#include "core/platform.h"

namespace pfedit {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Attribute bits (core/paths.h) or -1 when the entry does not exist.
  virtual int Attributes(const std::string& path) = 0;
  bool Exists(const std::string& path) { return Attributes(path) != -1; }
  // The whole content of a regular file; see platform::ReadWholeFile.
  virtual FileResult ReadAll(const std::string& path, std::string* bytes) = 0;
  // A new file under a free name, written and flushed; kExists when the name
  // is taken. See platform::CreateFileDurably.
  virtual FileResult CreateNew(const std::string& path, std::string_view bytes,
                               const std::string& permissions_of) = 0;
  // Replaces `to` by `from` in one step; `to` is untouched on failure.
  virtual FileResult Replace(const std::string& from, const std::string& to) = 0;
  // Makes a rename in the folder of `path` durable.
  virtual FileResult SyncFolder(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // The file that `path` names once its links are followed.
  virtual std::string FinalPath(const std::string& path) = 0;
};

// The text of a file without a leading UTF-8 byte order mark: editors of
// other systems put one in front, and it would hide the first line's start.
inline std::string_view WithoutByteOrderMark(std::string_view bytes) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return bytes.substr(0, kMark.size()) == kMark ? bytes.substr(kMark.size()) : bytes;
}

// The real file system of the platform. It holds no state.
FileSystem& RealFileSystem();

}  // namespace pfedit
