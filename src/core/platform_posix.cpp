// POSIX implementation of the platform layer.
#ifndef _WIN32

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/paths.h"
#include "core/platform.h"

namespace pfedit::platform {

namespace {

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? value : nullptr;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

constexpr const char* kNotRegular = "not a regular file";
constexpr const char* kTooLarge = "file too large";

FileResult Failed(const char* reason) {
  return FileResult{FileOutcome::kFailed, reason};
}
FileResult Failed(int error) {
  return Failed(std::strerror(error));
}
FileResult Missing(int error) {
  return FileResult{FileOutcome::kMissing, std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
  const std::size_t last = path.rfind('/');
  if (last == std::string::npos) return ".";
  if (last == 0) return "/";
  return path.substr(0, last);
}

std::string ExecutablePath() {
  std::string buffer(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0) return std::string();
  buffer.resize(static_cast<std::size_t>(length));
  return buffer;
}

// The separator of the named locale; `missing` when it is not installed.
char SeparatorOf(const char* name, char missing) {
  locale_t locale = ::newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return missing;
  const char* radix = ::nl_langinfo_l(RADIXCHAR, locale);
  // A separator of more than one byte cannot be typed into a one-byte text.
  const char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '\0';
  ::freelocale(locale);
  return separator;
}

}  // namespace

char DecimalSeparatorOfLocale(const std::string& name) {
  return SeparatorOf(name.c_str(), '\0');
}

char LocaleDecimalSeparator() {
  const char* name = NonEmptyEnv("LC_ALL");
  if (name == nullptr) name = NonEmptyEnv("LC_NUMERIC");
  if (name == nullptr) name = NonEmptyEnv("LANG");
  // A locale that is not installed behaves as the C locale, as it does for
  // every other program of the user.
  if (name == nullptr) return '.';
  // Loading a locale costs tens of microseconds and numbers are checked one
  // by one, so the answer is kept for the locale asked about last. LOCPATH is
  // part of the key: the same name may come from another folder of locales.
  struct Cached {
    std::string name;
    std::string locale_path;
    char separator = '.';
    bool valid = false;
  };
  thread_local Cached cached;
  const char* locale_path = NonEmptyEnv("LOCPATH");
  if (locale_path == nullptr) locale_path = "";
  if (!cached.valid || cached.name != name || cached.locale_path != locale_path) {
    cached.separator = SeparatorOf(name, '.');
    cached.name = name;
    cached.locale_path = locale_path;
    cached.valid = true;
  }
  return cached.separator;
}

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

int FileAttributes(const std::string& path) {
  const std::string native = NativePath(path);
  struct stat info {};
  if (native.empty() || ::stat(native.c_str(), &info) != 0) return -1;
  int attributes = 0;
  if (S_ISDIR(info.st_mode)) attributes |= kAttributeDirectory;
  // Judged by the mode bits, not by access(): the owner may be able to
  // write anyway (root), but the user marked the file as not to be written.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= kAttributeReadOnly;
  const std::string name = native.substr(native.find_last_of('/') + 1);
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= kAttributeHidden;
  return attributes == 0 ? kAttributeNormal : attributes;
}

FileResult ReadWholeFile(const std::string& path, std::string* bytes) {
  const std::string native = NativePath(path);
  // O_NONBLOCK: opening a FIFO must not wait for a writer. The type is
  // checked before the first read, so nothing here ever waits on one.
  Descriptor file(::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) {
    const int error = errno;
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) return Missing(errno);
    return Failed(error);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return Failed(errno);
  if (!S_ISREG(info.st_mode)) return Failed(kNotRegular);
  if (static_cast<std::uint64_t>(info.st_size) > kMaxReadBytes) return Failed(kTooLarge);

  // Sized from the file, one byte more to see its end in the first pass; a
  // file that grows meanwhile is still read whole, up to the limit.
  std::string content(std::max<std::size_t>(static_cast<std::size_t>(info.st_size) + 1, 4096),
                      '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == content.size()) {
      if (got > kMaxReadBytes) return Failed(kTooLarge);
      content.resize(std::min<std::size_t>(got * 2, kMaxReadBytes + 1));
    }
    const ssize_t n = ::read(file.get(), content.data() + got, content.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed(errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  content.resize(got);
  *bytes = std::move(content);
  return FileResult{};
}

FileResult CreateFileDurably(const std::string& path, std::string_view bytes,
                             const std::string& permissions_of) {
  // O_EXCL refuses any existing name, a dangling link included, so the bytes
  // can never land outside the folder through a link someone planted.
  Descriptor file(
      ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    if (errno == EEXIST) return FileResult{FileOutcome::kExists, std::strerror(errno)};
    return Failed(errno);
  }
  struct stat old {};
  if (!permissions_of.empty() && ::stat(NativePath(permissions_of).c_str(), &old) == 0 &&
      S_ISREG(old.st_mode)) {
    // Before any byte is written, so that the content is never readable by
    // more people than the file it replaces. The owner first: a change of
    // owner clears set-id bits that the mode then restores. Only root may
    // give a file away; anyone else keeps at least the group where allowed.
    if (::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
      if (errno != EPERM) return Failed(errno);
      if (::fchown(file.get(), static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) {
        return Failed(errno);
      }
    }
    if (::fchmod(file.get(), old.st_mode & 07777) != 0) return Failed(errno);
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(file.get(), bytes.data() + written, bytes.size() - written);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return Failed(errno);
    if (put == 0) return Failed(ENOSPC);
    written += static_cast<std::size_t>(put);
  }
  if (::fsync(file.get()) != 0) return Failed(errno);
  if (!file.Close()) return Failed(errno);
  return FileResult{};
}

FileResult MoveOver(const std::string& from, const std::string& to) {
  if (::rename(NativePath(from).c_str(), NativePath(to).c_str()) != 0) return Failed(errno);
  return FileResult{};
}

FileResult SyncFolderOf(const std::string& path) {
  Descriptor folder(::open(FolderOf(NativePath(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return Failed(errno);
  // A file system that cannot flush a folder (EINVAL) keeps no separate
  // folder data to lose; every other error means the rename may not last.
  if (::fsync(folder.get()) != 0 && errno != EINVAL) return Failed(errno);
  return FileResult{};
}

bool RemoveFile(const std::string& path) {
  return ::unlink(NativePath(path).c_str()) == 0;
}

std::string FinalPath(const std::string& path) {
  std::string current = NativePath(path);
  // The same bound as the system's own resolution: a loop of links ends.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return hop == 0 ? path : current;
    }
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) == target.size()) return current;
    target.resize(static_cast<std::size_t>(length));
    current = target.front() == '/' ? target : FolderOf(current) + '/' + target;
  }
  return current;
}

std::string ProgramFolder() {
  const std::string exe = ExecutablePath();
  return exe.empty() ? std::string(".") : FolderOf(exe);
}

std::string ProgramStem() {
  const std::string exe = ExecutablePath();
  std::string name = exe.substr(exe.rfind('/') + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

}  // namespace pfedit::platform

#endif  // !_WIN32
