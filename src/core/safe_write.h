#pragma once

// Replacing a file without ever leaving its folder without a complete copy:
// the new content goes to a fresh temporary sibling (the name, '~' and one
// digit), is flushed to the disk, and then takes the file's name in one
// rename. Every writer of the editor's files goes through here.

#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/message_ids.h"

namespace pfedit {

// Temporary names are the target name, '~' and one digit 0 to 9.
constexpr int kTemporaryNameCount = 10;

std::string TemporaryName(const std::string& target, int n);

struct SafeWriteResult {
  // kStatusOk; msg::kWriteFailed when no temporary name was free, the
  // temporary file could not be written (it is then removed) or the rename
  // could not be made durable; msg::kTemporaryKept when the rename failed:
  // the target is as it was and `temporary` holds the complete new text.
  Status status = kStatusOk;
  // The temporary name the text was written under; empty when none was.
  std::string temporary;
};

// Replaces the file at target by the bytes. A target that is a symbolic link
// keeps being one: the file it points to is replaced, through a temporary
// beside that file. The new file gets the permissions of the old one.
SafeWriteResult WriteViaTemporary(FileSystem& files, const std::string& target,
                                  std::string_view bytes);

}  // namespace pfedit
