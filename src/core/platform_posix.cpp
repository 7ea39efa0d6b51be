// POSIX implementation of the platform layer.
#ifndef _WIN32

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  Descriptor file(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return false;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  std::string content;
  content.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  *bytes = std::move(content);
  return true;
}

bool WriteFileDurably(const std::string& path, std::string_view bytes, bool append) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
  Descriptor file(::open(NativePath(path).c_str(), flags, 0666));
  if (file.get() < 0) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(file.get(), bytes.data() + written, bytes.size() - written);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    written += static_cast<std::size_t>(put);
  }
  if (::fsync(file.get()) != 0) return false;
  return file.Close();
}

bool ReplaceFile(const std::string& from, const std::string& to) {
  const std::string target = NativePath(to);
  if (::rename(NativePath(from).c_str(), target.c_str()) != 0) return false;
  // The rename is only durable once the folder itself reached the disk.
  Descriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return true;
}

bool RemoveFile(const std::string& path) {
  return ::unlink(NativePath(path).c_str()) == 0;
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
