// Win32 implementation of the platform layer. Paths arrive as bytes in the
// system's ANSI code page and are widened with it for the wide API calls.
#ifdef _WIN32

#include <windows.h>
#undef ReplaceFile

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/paths.h"
#include "core/platform.h"

// Access lists of files; it needs the types of windows.h.
#include <aclapi.h>

namespace pfedit::platform {

namespace {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

constexpr const char* kNotRegular = "not a regular file";
constexpr const char* kTooLarge = "file too large";

// The system's own words for an error code, without the line end.
std::string SystemText(DWORD error) {
  char buffer[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? "error " + std::to_string(error) : text;
}

FileResult Failed(const char* reason) {
  return FileResult{FileOutcome::kFailed, reason};
}
FileResult Failed(DWORD error) {
  return FileResult{FileOutcome::kFailed, SystemText(error)};
}
FileResult Missing(DWORD error) {
  return FileResult{FileOutcome::kMissing, SystemText(error)};
}

// Gives the new file the access list of the old one. Inherited entries are
// taken from the folder again, as for the old file; a protected list stays
// protected. When this fails the file keeps the folder's permissions, as
// every new file there has.
void CopyAccessList(const std::wstring& from, HANDLE to) {
  PACL access_list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &access_list, nullptr, &descriptor) != ERROR_SUCCESS) {
    return;
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  GetSecurityDescriptorControl(descriptor, &control, &revision);
  const SECURITY_INFORMATION what =
      DACL_SECURITY_INFORMATION |
      ((control & SE_DACL_PROTECTED) != 0 ? PROTECTED_DACL_SECURITY_INFORMATION
                                          : UNPROTECTED_DACL_SECURITY_INFORMATION);
  SetSecurityInfo(to, SE_FILE_OBJECT, what, nullptr, nullptr, access_list, nullptr);
  LocalFree(descriptor);
}

std::wstring ExecutablePath() {
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return buffer;
}

}  // namespace

char DecimalSeparatorOfLocale(const std::string&) {
  return LocaleDecimalSeparator();
}

char LocaleDecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SDECIMAL, buffer, sizeof buffer) <= 1) {
    return '\0';
  }
  return buffer[1] == '\0' ? buffer[0] : '\0';
}

std::string NativePath(std::string_view path) {
  return std::string(path);
}

int FileAttributes(const std::string& path) {
  if (path.empty()) return -1;
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return -1;
  return static_cast<int>(attributes & 0xFFFF);
}

FileResult ReadWholeFile(const std::string& path, std::string* bytes) {
  const std::wstring wide = Widen(path);
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const DWORD attributes =
        wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Missing(error);
    // A folder cannot be opened as a file; say so rather than "access denied".
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Failed(kNotRegular);
    return Failed(error);
  }
  // Pipes, consoles and devices would wait or never end.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return Failed(kNotRegular);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return Failed(GetLastError());
  if (static_cast<std::uint64_t>(size.QuadPart) > kMaxReadBytes) return Failed(kTooLarge);

  // Sized from the file, one byte more to see its end in the first pass; a
  // file that grows meanwhile is still read whole, up to the limit.
  std::string content(std::max<std::size_t>(static_cast<std::size_t>(size.QuadPart) + 1, 4096),
                      '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == content.size()) {
      if (got > kMaxReadBytes) return Failed(kTooLarge);
      content.resize(std::min<std::size_t>(got * 2, kMaxReadBytes + 1));
    }
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - got, 1 << 30));
    DWORD n = 0;
    if (!ReadFile(file.get(), content.data() + got, chunk, &n, nullptr)) {
      return Failed(GetLastError());
    }
    if (n == 0) break;
    got += n;
  }
  content.resize(got);
  *bytes = std::move(content);
  return FileResult{};
}

FileResult CreateFileDurably(const std::string& path, std::string_view bytes,
                             const std::string& permissions_of) {
  const std::wstring like = Widen(permissions_of);
  const DWORD old_attributes =
      like.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(like.c_str());
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    const DWORD kept =
        old_attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    if (kept != 0) attributes = kept;
  }
  // CREATE_NEW refuses any existing name, a link included.
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                          attributes, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
      return FileResult{FileOutcome::kExists, SystemText(error)};
    }
    return Failed(error);
  }
  if (old_attributes != INVALID_FILE_ATTRIBUTES) CopyAccessList(like, file.get());
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
    DWORD put = 0;
    if (!WriteFile(file.get(), bytes.data() + written, chunk, &put, nullptr)) {
      return Failed(GetLastError());
    }
    if (put == 0) return Failed(ERROR_DISK_FULL);
    written += put;
  }
  if (!FlushFileBuffers(file.get())) return Failed(GetLastError());
  if (!file.Close()) return Failed(GetLastError());
  return FileResult{};
}

FileResult MoveOver(const std::string& from, const std::string& to) {
  if (!MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Failed(GetLastError());
  }
  return FileResult{};
}

FileResult SyncFolderOf(const std::string&) {
  // MOVEFILE_WRITE_THROUGH returns only once the move reached the disk.
  return FileResult{};
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != 0;
}

std::string FinalPath(const std::string& path) {
  const std::wstring wide = Widen(path);
  const DWORD attributes =
      wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return path;
  }
  Handle file(CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return path;
  std::wstring final_path(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(file.get(), final_path.data(),
                                                 static_cast<DWORD>(final_path.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length == 0 || length >= final_path.size()) return path;
  final_path.resize(length);
  // The answer comes in the long-path form; the user knows the short one.
  const std::wstring unc = L"\\\\?\\UNC\\";
  const std::wstring local = L"\\\\?\\";
  if (final_path.compare(0, unc.size(), unc) == 0) {
    final_path = L"\\\\" + final_path.substr(unc.size());
  } else if (final_path.compare(0, local.size(), local) == 0) {
    final_path = final_path.substr(local.size());
  }
  return Narrow(final_path);
}

std::string ProgramFolder() {
  const std::wstring exe = ExecutablePath();
  const std::size_t last = exe.find_last_of(L"\\/");
  return Narrow(last == std::wstring::npos ? std::wstring(L".") : exe.substr(0, last));
}

std::string ProgramStem() {
  const std::wstring exe = ExecutablePath();
  std::wstring name = exe.substr(exe.find_last_of(L"\\/") + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) name.resize(dot);
  return Narrow(name);
}

}  // namespace pfedit::platform

#endif  // _WIN32
