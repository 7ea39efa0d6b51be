#include "core/file_system.h"

namespace pfedit {

namespace {

class RealFiles final : public FileSystem {
 public:
  int Attributes(const std::string& path) override { return platform::FileAttributes(path); }
  FileResult ReadAll(const std::string& path, std::string* bytes) override {
    return platform::ReadWholeFile(path, bytes);
  }
  FileResult CreateNew(const std::string& path, std::string_view bytes,
                       const std::string& permissions_of) override {
    return platform::CreateFileDurably(path, bytes, permissions_of);
  }
  FileResult Replace(const std::string& from, const std::string& to) override {
    return platform::MoveOver(from, to);
  }
  FileResult SyncFolder(const std::string& path) override { return platform::SyncFolderOf(path); }
  bool Remove(const std::string& path) override { return platform::RemoveFile(path); }
  std::string FinalPath(const std::string& path) override { return platform::FinalPath(path); }
};

}  // namespace

FileSystem& RealFileSystem() {
  // Stateless, so one shared object is as good as many.
  static RealFiles files;
  return files;
}

}  // namespace pfedit
