#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/platform.h"
#include "core/safe_write.h"
#include "support/faulty_file_system.h"
#include "support/temp_folder.h"

namespace pfedit {
namespace {

using test::TempFolder;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Hostile paths are refused at once, with the system's reason, and never
// waited on: a FIFO without a writer would block a plain open for ever, and
// a device would be read without end.
TEST(ReadWholeFileTest, TakesOnlyOrdinaryFilesOfBoundedSize) {
  TempFolder folder;
  const std::string huge = folder.Write("huge.vfd", "");
  std::filesystem::resize_file(huge, platform::kMaxReadBytes + 1);
  const std::string bytes(70000, 'b');
  struct Case {
    std::string path;
    FileOutcome outcome;
    std::string reason_or_bytes;
    bool check_text = true;  // the system's wording differs between platforms
  };
  std::vector<Case> cases{
      {folder.Write("plain.vfd", bytes), FileOutcome::kOk, bytes},
      {folder.Write("empty.vfd", ""), FileOutcome::kOk, ""},
      {folder.path(), FileOutcome::kFailed, "not a regular file"},
      {huge, FileOutcome::kFailed, "file too large"},
      {folder.File("missing.vfd"), FileOutcome::kMissing, "", false},
  };
#ifdef _WIN32
  cases.push_back({"NUL", FileOutcome::kFailed, "not a regular file"});
#else
  const std::string fifo = folder.File("tarvo_param.vfd");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string unreadable = folder.Write("unreadable.vfd", "x");
  ::chmod(unreadable.c_str(), 0);
  const bool root = ::geteuid() == 0;  // the owner of everything reads anyway
  cases.push_back({fifo, FileOutcome::kFailed, "not a regular file"});
  cases.push_back({"/dev/zero", FileOutcome::kFailed, "not a regular file"});
  cases.push_back({folder.File("missing.vfd"), FileOutcome::kMissing, "No such file or directory"});
  cases.push_back(
      {folder.File(std::string(300, 'n')), FileOutcome::kMissing, "File name too long"});
  cases.push_back({unreadable, root ? FileOutcome::kOk : FileOutcome::kFailed,
                   root ? "x" : "Permission denied"});
#endif
  for (const Case& c : cases) {
    std::string read = "untouched";
    const FileResult result = platform::ReadWholeFile(c.path, &read);
    EXPECT_EQ(result.outcome, c.outcome) << c.path;
    if (c.check_text) {
      EXPECT_EQ(result.ok() ? read : result.reason, c.reason_or_bytes) << c.path;
    }
    if (!result.ok()) {
      EXPECT_EQ(read, "untouched") << c.path;
    }
  }
}

// Replacing on the real file system: the temporary is created exclusively
// under the first free name, never through a link, and the replaced file
// keeps its mode, its owner and the links that point to it.
TEST(WriteViaTemporaryTest, RealFiles) {
  TempFolder folder;
  TempFolder outside;
  const std::string target = folder.File("tarvo_param.vfd");
  const std::string planted = outside.File("planted");
  struct Case {
    const char* what;
    std::function<void()> prepare;
    Status status;
    std::string temporary;  // of the result
    std::string file;       // the file that must hold the new text afterwards
  };
  std::vector<Case> cases{
      {"new file", [] {}, kStatusOk, target + "~0", target},
      {"first name taken", [&] { folder.Write("tarvo_param.vfd~0", "someone else's"); }, kStatusOk,
       target + "~1", target},
      {"ten names taken",
       [&] {
         for (char n = '0'; n <= '9'; ++n)
           folder.Write("tarvo_param.vfd~" + std::string(1, n), "x");
       },
       msg::kWriteFailed, "", ""},
  };
#ifndef _WIN32
  const std::vector<Case> posix_cases{
      {"mode and owner kept",
       [&] {
         folder.Write("tarvo_param.vfd", "old");
         ::chmod(target.c_str(), 0640);
         if (::geteuid() == 0) {
           EXPECT_EQ(::chown(target.c_str(), 1234, 1235), 0);
         }
       },
       kStatusOk, target + "~0", target},
      {"taken names, one a dangling link out of the folder",
       [&] {
         folder.Write("tarvo_param.vfd~0", "someone else's");
         EXPECT_EQ(::symlink(planted.c_str(), (target + "~1").c_str()), 0);
       },
       kStatusOk, target + "~2", target},
      {"link to the real file",
       [&] {
         outside.Write("real.vfd", "old");
         ::chmod(outside.File("real.vfd").c_str(), 0600);
         EXPECT_EQ(::symlink(outside.File("real.vfd").c_str(), target.c_str()), 0);
       },
       kStatusOk, outside.File("real.vfd~0"), outside.File("real.vfd")},
  };
  cases.insert(cases.end(), posix_cases.begin(), posix_cases.end());
#endif
  for (const Case& c : cases) {
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directory(folder.path());
    std::filesystem::remove(outside.File("real.vfd"));
    c.prepare();
#ifndef _WIN32
    struct stat before {};
    const bool existed = ::stat(target.c_str(), &before) == 0;
#endif

    const SafeWriteResult result = WriteViaTemporary(RealFileSystem(), target, "new");
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(result.temporary, c.temporary) << c.what;
    EXPECT_FALSE(std::filesystem::exists(planted)) << c.what;
    if (c.status != kStatusOk) continue;
    EXPECT_EQ(ReadBytes(c.file), "new") << c.what;
    EXPECT_FALSE(std::filesystem::exists(result.temporary)) << c.what;
#ifndef _WIN32
    struct stat after {};
    ASSERT_EQ(::stat(c.file.c_str(), &after), 0) << c.what;
    if (existed) {
      EXPECT_EQ(after.st_mode, before.st_mode) << c.what;
      EXPECT_EQ(after.st_uid, before.st_uid) << c.what;
      EXPECT_EQ(after.st_gid, before.st_gid) << c.what;
    }
    if (c.file != target) {
      EXPECT_TRUE(std::filesystem::is_symlink(target)) << c.what;
    }
#endif
  }
}

// A failure before the rename removes the partial temporary file; a failed
// rename keeps the complete one and the old file; a rename that cannot be
// made durable is no save either.
TEST(WriteViaTemporaryTest, Faults) {
  struct Case {
    const char* what;
    void (*inject)(test::FaultyFileSystem&);
    Status status;
    bool temporary_kept;
    const char* target_after;
  };
  const Case cases[] = {
      {"write stops", [](test::FaultyFileSystem& f) { f.write_limit = 2; }, msg::kWriteFailed,
       false, "old"},
      {"rename fails", [](test::FaultyFileSystem& f) { f.fail_replace = true; },
       msg::kTemporaryKept, true, "old"},
      {"folder flush fails", [](test::FaultyFileSystem& f) { f.fail_sync = true; },
       msg::kWriteFailed, false, "new text"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string target = folder.Write("p.vfd", "old");
    test::FaultyFileSystem files;
    c.inject(files);
    const SafeWriteResult result = WriteViaTemporary(files, target, "new text");
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(folder.Read("p.vfd"), c.target_after) << c.what;
    EXPECT_EQ(folder.Read("p.vfd~0"), c.temporary_kept ? "new text" : "") << c.what;
    EXPECT_EQ(folder.Has("p.vfd~0"), c.temporary_kept) << c.what;
  }
}

}  // namespace
}  // namespace pfedit
