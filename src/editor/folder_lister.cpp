#include "editor/folder_lister.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace pfedit::editor {

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

// Dot names are the system's own hidden folders; a chooser shows them nowhere.
bool IsHiddenName(const std::string& name) {
#ifdef _WIN32
  (void)name;
  return false;
#else
  return !name.empty() && name.front() == '.';
#endif
}

enum class Wanted { kFolders, kFiles };

FolderListing List(const std::string& folder, Wanted wanted, std::string_view extension) {
  FolderListing listing;
  std::error_code error;
  // The iterator's own increment may fail half-way (a folder removed while
  // it is read); that is reported like a folder that cannot be opened.
  try {
    for (fs::directory_iterator entry(fs::path(folder), error), end; !error && entry != end;
         entry.increment(error)) {
      std::error_code ignored;
      const std::string name = entry->path().filename().string();
      if (wanted == Wanted::kFolders) {
        if (entry->is_directory(ignored) && !IsHiddenName(name)) listing.names.push_back(name);
        continue;
      }
      const std::size_t dot = name.rfind('.');
      if (dot == std::string::npos || !EqualIgnoringCase(name.substr(dot + 1), extension)) {
        continue;
      }
      if (entry->is_regular_file(ignored)) listing.names.push_back(name);
    }
  } catch (const std::exception& failure) {
    // A name the code page cannot hold, or no memory left.
    listing.names.clear();
    listing.error = failure.what();
    return listing;
  }
  if (error) {
    listing.names.clear();
    listing.error = error.message();
    return listing;
  }
  std::sort(listing.names.begin(), listing.names.end(), LessIgnoringCase);
  return listing;
}

#ifndef _WIN32
bool IsFolder(const std::string& path) {
  std::error_code ignored;
  return fs::is_directory(fs::path(path), ignored);
}

// The folders inside a place where media are mounted.
void AddMounts(const std::string& place, std::vector<std::string>& drives) {
  const FolderListing mounts = List(place, Wanted::kFolders, {});
  for (const std::string& name : mounts.names) drives.push_back(place + "/" + name);
}
#endif

class RealLister final : public FolderLister {
 public:
  std::vector<std::string> ListDrives() override {
    std::vector<std::string> drives;
#ifdef _WIN32
    const DWORD mask = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
      if ((mask & (DWORD{1} << letter)) != 0) {
        drives.push_back(std::string(1, static_cast<char>('A' + letter)) + ":\\");
      }
    }
#else
    drives.push_back("/");
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/' && IsFolder(home)) drives.push_back(home);
    const char* user = std::getenv("USER");
    const std::string user_name = user != nullptr ? user : "";
    // Desktops mount removable media under /media/USER (or /run/media/USER);
    // older systems and administrators use /media and /mnt directly.
    if (!user_name.empty()) {
      AddMounts("/media/" + user_name, drives);
      AddMounts("/run/media/" + user_name, drives);
    }
    const FolderListing media = List("/media", Wanted::kFolders, {});
    for (const std::string& name : media.names) {
      if (name != user_name) drives.push_back("/media/" + name);
    }
    AddMounts("/mnt", drives);
#endif
    return drives;
  }

  FolderListing ListFolders(const std::string& folder) override {
    return List(folder, Wanted::kFolders, {});
  }

  FolderListing ListFiles(const std::string& folder, std::string_view extension) override {
    return List(folder, Wanted::kFiles, extension);
  }
};

}  // namespace

FolderLister& RealFolderLister() {
  static RealLister lister;
  return lister;
}

}  // namespace pfedit::editor
