#pragma once

// What the folder dialog lists: the drives, the folders of a folder and its
// files of one extension. An interface, so that the dialog's rules run on real
// folders in tests and on a fake where a folder must fail to read.

#include <string>
#include <string_view>
#include <vector>

namespace pfedit::editor {

// Entry names sorted without regard to case, or the system's reason why the
// folder could not be read.
struct FolderListing {
  std::vector<std::string> names;
  std::string error;  // empty when the folder was read
  bool ok() const { return error.empty(); }
};

class FolderLister {
 public:
  virtual ~FolderLister() = default;
  // The places a user starts from, as folder paths: the drive roots on
  // Windows ("C:\"); elsewhere "/", the home folder and mounted media.
  virtual std::vector<std::string> ListDrives() = 0;
  // The subfolders of a folder (links to folders count), hidden ones left out.
  virtual FolderListing ListFolders(const std::string& folder) = 0;
  // The files of a folder whose extension is `extension` ("vfd"); the
  // extension matches in any case, as the system's file patterns do.
  virtual FolderListing ListFiles(const std::string& folder, std::string_view extension) = 0;
};

// The machine's own drives and folders. It holds no state.
FolderLister& RealFolderLister();

}  // namespace pfedit::editor
