#include "core/file_fingerprint.h"

namespace pfedit {

std::uint64_t Fnv1a64(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

FileFingerprint FingerprintOf(const std::string& path, std::string_view bytes) {
  return FileFingerprint{path, true, bytes.size(), Fnv1a64(bytes)};
}

FileFingerprint FingerprintOfRead(const std::string& path, const FileResult& read,
                                  std::string_view bytes) {
  if (read.ok()) return FingerprintOf(path, bytes);
  FileFingerprint fingerprint{path, read.outcome != FileOutcome::kMissing, 0, 0};
  return fingerprint;
}

FileChange CompareWithDisk(FileSystem& files, const FileFingerprint& fingerprint) {
  std::string bytes;
  const FileResult read = files.ReadAll(fingerprint.path, &bytes);
  const FileFingerprint now = FingerprintOfRead(fingerprint.path, read, bytes);
  if (now == fingerprint) return FileChange::kUnchanged;
  if (now.exists == fingerprint.exists) return FileChange::kChanged;
  return now.exists ? FileChange::kCreated : FileChange::kDeleted;
}

}  // namespace pfedit
