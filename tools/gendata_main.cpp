// pfedit-gendata: writes a large generated edit folder for benchmarks and
// load tests of the editor.

#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/gendata.h"

namespace {

constexpr const char* kUsage =
    "usage: pfedit-gendata [--models N] [--rows R] FOLDER\n"
    "\n"
    "Writes tarvo_param.vfd with N models (default 256, at most 9000) and one\n"
    "parameter file of R records (default 2000, at most 32767) per model and\n"
    "capacity class into FOLDER, which is created when missing. The same sizes\n"
    "always give the same files.\n";

bool ParseCount(const std::string& text, int max, int* value) {
  char* end = nullptr;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || parsed < 1 || parsed > max) return false;
  *value = static_cast<int>(parsed);
  return true;
}

int UsageError(const std::string& text) {
  std::cerr << "pfedit-gendata: " << text << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pfedit::gendata;
  int models = kDefaultModels;
  int rows = kDefaultRows;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--models" || arg == "--rows") {
      const bool is_models = arg == "--models";
      if (i + 1 >= argc ||
          !ParseCount(argv[++i], is_models ? kMaxGeneratedModels : kMaxGeneratedRows,
                      is_models ? &models : &rows)) {
        return UsageError("bad or missing count after " + arg);
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return UsageError("unknown option " + arg);
    } else if (folder.empty()) {
      folder = arg;
    } else {
      return UsageError("more than one folder given");
    }
  }
  if (folder.empty()) return UsageError("no folder given");
  if (!WriteSampleFolder(folder, models, rows)) {
    std::cerr << "pfedit-gendata: could not write into " << folder << "\n";
    return 1;
  }
  std::cout << "pfedit-gendata: " << models << " models with " << rows << " records each in "
            << folder << "\n";
  return 0;
}
