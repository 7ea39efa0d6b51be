#pragma once

// The few calls that differ between Windows and POSIX systems. Paths are the
// bytes the user sees in the ANSI code page; on Windows they are converted
// with the system's code page, elsewhere they are used as they are (a
// backslash is taken as a separator).

#include <cstdint>
#include <string>
#include <string_view>

namespace pfedit {

enum class FileOutcome {
  kOk,
  kMissing,  // there is no such entry (or its path cannot name one)
  kExists,   // a new file was asked for and the name is taken
  kFailed,
};

// What a file call reports: on failure the system's reason in its own words
// ("Permission denied", "not a regular file", ...), for the user to see.
struct FileResult {
  FileOutcome outcome = FileOutcome::kOk;
  std::string reason;
  bool ok() const { return outcome == FileOutcome::kOk; }
};

namespace platform {

// Reading refuses larger files: a catalogue of 256 models or a parameter file
// of 32767 records stays below a few MiB, so a bigger file is not one of
// ours, and the limit keeps a wrong file from exhausting memory.
constexpr std::uint64_t kMaxReadBytes = std::uint64_t{256} << 20;

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

// The whole content of a regular file of at most kMaxReadBytes. Folders,
// FIFOs and devices are refused before anything could wait on them. kMissing
// when nothing exists under the path.
FileResult ReadWholeFile(const std::string& path, std::string* bytes);

// Creates a file under a name that must be free (a link of that name counts
// as taken and is never followed), writes the bytes and flushes them to the
// disk before closing. When `permissions_of` names a file, the new one gets
// its permissions (and owner, where the user may give it). kExists when the
// name is taken; after kFailed the file may remain, partly written.
FileResult CreateFileDurably(const std::string& path, std::string_view bytes,
                             const std::string& permissions_of);

// Renames `from` over `to` in one step; `to` is untouched on failure.
FileResult MoveOver(const std::string& from, const std::string& to);

// Flushes the folder holding `path`, so that a rename inside it survives a
// power loss. Nothing to do where the rename itself writes through.
FileResult SyncFolderOf(const std::string& path);

bool RemoveFile(const std::string& path);

// The file a chain of symbolic links at `path` ends at; `path` itself, as
// given, when it is no link.
std::string FinalPath(const std::string& path);

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();
// The program's own file name without its extension.
std::string ProgramStem();

}  // namespace platform
}  // namespace pfedit
