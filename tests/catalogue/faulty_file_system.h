#pragma once

// The real file system with faults on demand: a write that stops after a
// number of bytes (leaving them on disk, as a full disk would), a replacement
// that fails. It records what it was asked to do.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"

namespace pfedit::test {

class FaultyFileSystem final : public FileSystem {
 public:
  std::optional<std::size_t> write_limit;  // bytes written before a write fails
  bool fail_replace = false;
  std::vector<std::string> written;                           // paths of WriteAll
  std::vector<std::pair<std::string, std::string>> replaced;  // from, to

  int Attributes(const std::string& path) override { return real_.Attributes(path); }
  bool ReadAll(const std::string& path, std::string* bytes) override {
    return real_.ReadAll(path, bytes);
  }
  bool WriteAll(const std::string& path, std::string_view bytes, bool append) override {
    written.push_back(path);
    if (write_limit && bytes.size() > *write_limit) {
      real_.WriteAll(path, bytes.substr(0, *write_limit), append);
      return false;
    }
    return real_.WriteAll(path, bytes, append);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    replaced.emplace_back(from, to);
    return !fail_replace && real_.Replace(from, to);
  }
  bool Remove(const std::string& path) override { return real_.Remove(path); }

 private:
  FileSystem& real_ = RealFileSystem();
};

}  // namespace pfedit::test
