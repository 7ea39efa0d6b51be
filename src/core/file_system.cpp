#include "core/file_system.h"

#include "core/platform.h"

namespace pfedit {

namespace {

class RealFiles final : public FileSystem {
 public:
  int Attributes(const std::string& path) override { return platform::FileAttributes(path); }
  bool ReadAll(const std::string& path, std::string* bytes) override {
    return platform::ReadWholeFile(path, bytes);
  }
  bool WriteAll(const std::string& path, std::string_view bytes, bool append) override {
    return platform::WriteFileDurably(path, bytes, append);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    return platform::ReplaceFile(from, to);
  }
  bool Remove(const std::string& path) override { return platform::RemoveFile(path); }
};

}  // namespace

FileSystem& RealFileSystem() {
  // Stateless, so one shared object is as good as many.
  static RealFiles files;
  return files;
}

}  // namespace pfedit
