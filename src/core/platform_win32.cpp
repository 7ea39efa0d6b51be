// Win32 implementation of the platform layer. Paths arrive as bytes in the
// system's ANSI code page and are widened with it for the wide API calls.
#ifdef _WIN32

#include <windows.h>
#undef ReplaceFile

#include <algorithm>
#include <string>

#include "core/paths.h"
#include "core/platform.h"

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

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  std::string content;
  char buffer[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) break;
    content.append(buffer, got);
  }
  *bytes = std::move(content);
  return true;
}

bool WriteFileDurably(const std::string& path, std::string_view bytes, bool append) {
  Handle file(CreateFileW(Widen(path).c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0,
                          nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                          nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
    DWORD put = 0;
    if (!WriteFile(file.get(), bytes.data() + written, chunk, &put, nullptr) || put == 0) {
      return false;
    }
    written += put;
  }
  if (!FlushFileBuffers(file.get())) return false;
  return file.Close();
}

bool ReplaceFile(const std::string& from, const std::string& to) {
  return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != 0;
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
