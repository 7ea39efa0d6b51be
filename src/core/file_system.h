#pragma once

// The file operations of the writers, behind an interface so that tests can
// make a write, a rename or a delete fail on purpose.

#include <string>
#include <string_view>

namespace pfedit {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Attribute bits (core/paths.h) or -1 when the entry does not exist.
  virtual int Attributes(const std::string& path) = 0;
  bool Exists(const std::string& path) { return Attributes(path) != -1; }
  virtual bool ReadAll(const std::string& path, std::string* bytes) = 0;
  // Writes the whole text and flushes it to the disk; append adds to the end.
  virtual bool WriteAll(const std::string& path, std::string_view bytes, bool append) = 0;
  // Replaces `to` by `from` in one step; `to` is untouched on failure.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

// The real file system of the platform. It holds no state.
FileSystem& RealFileSystem();

}  // namespace pfedit
