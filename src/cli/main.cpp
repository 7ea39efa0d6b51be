// pfedit-cli reads the editor's data files from the command line. It shows
// no dialogs; whatever the editor would show in a box goes to stderr with its
// message number.

#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  return pfedit::cli::RunCli(pfedit::cli::Args(argv + 1, argv + argc), std::cout, std::cerr);
}
