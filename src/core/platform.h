#pragma once

// The few calls that differ between Windows and POSIX systems. Paths are the
// bytes the user sees in the ANSI code page; on Windows they are converted
// with the system's code page, elsewhere they are used as they are (a
// backslash is taken as a separator).

#include <string>
#include <string_view>

namespace pfedit::platform {

// The user's decimal separator, or 0 when the locale gives none. On POSIX the
// locale is the one named by LC_ALL, LC_NUMERIC or LANG, in that order.
char LocaleDecimalSeparator();
// The separator of a named POSIX locale ("de_DE.UTF-8"), or 0 when the locale
// is not installed or has none. On Windows the user's locale is used.
char DecimalSeparatorOfLocale(const std::string& name);

// The path with the platform's separators.
std::string NativePath(std::string_view path);

// Attribute bits of the entry (see core/paths.h), or -1 when it does not exist.
int FileAttributes(const std::string& path);

// The whole file, or false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* bytes);

// Writes the bytes to a new file (or appends them), then flushes them to the
// disk before closing. False on any failure.
bool WriteFileDurably(const std::string& path, std::string_view bytes, bool append);

// Replaces `to` by `from` in one step where the platform allows it, then
// flushes the folder. The old `to` stays when this fails.
bool ReplaceFile(const std::string& from, const std::string& to);

bool RemoveFile(const std::string& path);

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();
// The program's own file name without its extension.
std::string ProgramStem();

}  // namespace pfedit::platform
