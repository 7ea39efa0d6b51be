#pragma once

// The real file system with faults on demand: a new file that cannot be
// created (as in a folder the user may not write), whose write stops after a
// number of bytes (leaving them on disk, as a full disk would) or whose flush
// fails after every byte was written, a replacement or a folder flush that
// fails. It records what it was asked to do.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/file_system.h"

namespace pfedit::test {

class FaultyFileSystem final : public FileSystem {
 public:
  std::optional<std::size_t> write_limit;  // bytes written before a write fails
  bool fail_create = false;
  bool fail_flush = false;
  bool fail_replace = false;
  bool fail_sync = false;
  // When not empty, the faults hit only files whose path begins with this
  // (a target and its temporary names).
  std::string only;
  std::vector<std::string> created;                           // new files written to
  std::vector<std::pair<std::string, std::string>> replaced;  // from, to

  int Attributes(const std::string& path) override { return real_.Attributes(path); }
  FileResult ReadAll(const std::string& path, std::string* bytes) override {
    return real_.ReadAll(path, bytes);
  }
  FileResult CreateNew(const std::string& path, std::string_view bytes,
                       const std::string& permissions_of) override {
    const bool hit = Hits(path);
    if (hit && fail_create && !real_.Exists(path)) return Failure("Permission denied");
    const bool cut = hit && write_limit && bytes.size() > *write_limit;
    FileResult result =
        real_.CreateNew(path, cut ? bytes.substr(0, *write_limit) : bytes, permissions_of);
    if (result.outcome == FileOutcome::kExists) return result;
    created.push_back(path);
    if (cut) return Failure("No space left on device");
    return hit && fail_flush ? Failure("Input/output error") : result;
  }
  FileResult Replace(const std::string& from, const std::string& to) override {
    replaced.emplace_back(from, to);
    return Hits(to) && fail_replace ? Failure("Device or resource busy") : real_.Replace(from, to);
  }
  FileResult SyncFolder(const std::string& path) override {
    return Hits(path) && fail_sync ? Failure("Input/output error") : real_.SyncFolder(path);
  }
  bool Remove(const std::string& path) override { return real_.Remove(path); }
  std::string FinalPath(const std::string& path) override { return real_.FinalPath(path); }

 private:
  bool Hits(const std::string& path) const { return path.compare(0, only.size(), only) == 0; }
  static FileResult Failure(const char* reason) { return FileResult{FileOutcome::kFailed, reason}; }
  FileSystem& real_ = RealFileSystem();
};

}  // namespace pfedit::test
