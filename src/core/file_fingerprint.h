#pragma once

// What a file was when the editor read it: whether it existed, its size and
// a hash of its bytes. Edit folders are shared; before a save replaces a file
// it compares this with the file now on disk, so that another user's change
// is never overwritten without a question.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/file_system.h"

namespace pfedit {

struct FileFingerprint {
  std::string path;  // empty: nothing is known about any file
  bool exists = false;
  std::uint64_t size = 0;
  std::uint64_t hash = 0;  // FNV-1a 64 of the bytes

  friend bool operator==(const FileFingerprint& a, const FileFingerprint& b) {
    return a.path == b.path && a.exists == b.exists && a.size == b.size && a.hash == b.hash;
  }
  friend bool operator!=(const FileFingerprint& a, const FileFingerprint& b) { return !(a == b); }
};

std::uint64_t Fnv1a64(std::string_view bytes);

// The fingerprint of bytes read from (or written to) path.
FileFingerprint FingerprintOf(const std::string& path, std::string_view bytes);
// The fingerprint of a read: a missing file is remembered as missing, a file
// that could not be read as existing with no bytes.
FileFingerprint FingerprintOfRead(const std::string& path, const FileResult& read,
                                  std::string_view bytes);

// How the file at the fingerprint's path compares with it now.
enum class FileChange { kUnchanged, kChanged, kCreated, kDeleted };
FileChange CompareWithDisk(FileSystem& files, const FileFingerprint& fingerprint);

}  // namespace pfedit
