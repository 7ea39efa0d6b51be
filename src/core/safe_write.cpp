#include "core/safe_write.h"

namespace pfedit {

std::string TemporaryName(const std::string& target, int n) {
  return target + '~' + static_cast<char>('0' + n);
}

SafeWriteResult WriteViaTemporary(FileSystem& files, const std::string& target,
                                  std::string_view bytes) {
  const std::string file = files.FinalPath(target);
  SafeWriteResult result;
  for (int n = 0; n < kTemporaryNameCount; ++n) {
    const std::string temporary = TemporaryName(file, n);
    // The name is taken by creating it, not by looking first: nobody can
    // slip a file or a link in between.
    const FileResult created = files.CreateNew(temporary, bytes, file);
    if (created.outcome == FileOutcome::kExists) continue;
    if (!created.ok()) {
      // The name was free a moment ago, so what is there now is our part.
      if (files.Exists(temporary)) files.Remove(temporary);
      result.status = msg::kWriteFailed;
      return result;
    }
    result.temporary = temporary;
    if (!files.Replace(temporary, file).ok()) {
      result.status = msg::kTemporaryKept;
      return result;
    }
    // Renamed, but a crash could still undo it: the save has not happened.
    if (!files.SyncFolder(file).ok()) result.status = msg::kWriteFailed;
    return result;
  }
  // Every temporary name belongs to someone else: touch none of them.
  result.status = msg::kWriteFailed;
  return result;
}

}  // namespace pfedit
