#pragma once

// A fresh folder under the system's temporary folder, removed with all its
// content when the object goes away. When no folder can be made there the
// constructor throws std::runtime_error, which fails the test that asked.

#include <string>
#include <string_view>

namespace pfedit::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The full path of a name inside the folder; '/' in the name becomes the
  // platform's separator.
  std::string File(std::string_view name) const;
  // Writes the bytes to a file inside the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The bytes of a file inside the folder (empty when missing).
  std::string Read(std::string_view name) const;
  bool Has(std::string_view name) const;

 private:
  std::string path_;
};

}  // namespace pfedit::test
