#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace pfedit::test {

namespace fs = std::filesystem;

namespace {
// Name clashes are rare; this many failures in a row mean that the temporary
// folder itself is unusable (missing, read-only or full).
constexpr int kAttempts = 100;
}  // namespace

TempFolder::TempFolder() {
  std::random_device random;
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  if (!error) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      const fs::path candidate = base / ("pfedit-test-" + std::to_string(random()));
      if (fs::create_directory(candidate, error)) {
        path_ = candidate.string();
        return;
      }
      if (error) break;  // an error, not a name that is already taken
    }
  }
  // A constructor cannot use ASSERT_*; GoogleTest reports the exception as
  // this test's failure, with the message, and goes on with the next test.
  const std::string where = base.empty() ? std::string("named by TMPDIR or TEMP") : base.string();
  throw std::runtime_error("TempFolder: cannot create a folder in the temporary folder " + where +
                           ": " + (error ? error.message() : std::string("every name was taken")));
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Read-only entries made by a test must not stop the clean-up.
  for (auto it = fs::recursive_directory_iterator(path_, error);
       it != fs::recursive_directory_iterator(); it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(path_, error);
}

std::string TempFolder::File(std::string_view name) const {
  return (fs::path(path_) / fs::path(std::string(name)).make_preferred()).string();
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string file = File(name);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string TempFolder::Read(std::string_view name) const {
  std::ifstream in(File(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Has(std::string_view name) const {
  std::error_code error;
  return fs::exists(File(name), error);
}

}  // namespace pfedit::test
