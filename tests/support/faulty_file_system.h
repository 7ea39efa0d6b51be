#pragma once

// The real file system with faults on demand: a new file whose write stops
// after a number of bytes (leaving them on disk, as a full disk would), a
// new file whose flush fails, a replacement or a folder flush that fails. It
// records what it was asked to do.

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
  bool fail_flush = false;                 // every byte is written, the flush fails
  bool fail_replace = false;
  bool fail_sync = false;
  std::vector<std::string> created;                           // new files written to
  std::vector<std::pair<std::string, std::string>> replaced;  // from, to

  int Attributes(const std::string& path) override { return real_.Attributes(path); }
  FileResult ReadAll(const std::string& path, std::string* bytes) override {
    return real_.ReadAll(path, bytes);
  }
  FileResult CreateNew(const std::string& path, std::string_view bytes,
                       const std::string& permissions_of) override {
    const bool cut = write_limit && bytes.size() > *write_limit;
    FileResult result =
        real_.CreateNew(path, cut ? bytes.substr(0, *write_limit) : bytes, permissions_of);
    if (result.outcome == FileOutcome::kExists) return result;
    created.push_back(path);
    if (cut) return Failure("No space left on device");
    return fail_flush && result.ok() ? Failure("Input/output error") : result;
  }
  FileResult Replace(const std::string& from, const std::string& to) override {
    replaced.emplace_back(from, to);
    return fail_replace ? Failure("Device or resource busy") : real_.Replace(from, to);
  }
  FileResult SyncFolder(const std::string& path) override {
    return fail_sync ? Failure("Input/output error") : real_.SyncFolder(path);
  }
  bool Remove(const std::string& path) override { return real_.Remove(path); }
  std::string FinalPath(const std::string& path) override { return real_.FinalPath(path); }

 private:
  static FileResult Failure(const char* reason) { return FileResult{FileOutcome::kFailed, reason}; }
  FileSystem& real_ = RealFileSystem();
};

}  // namespace pfedit::test
