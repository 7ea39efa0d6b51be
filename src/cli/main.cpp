// pfedit-cli: reads the editor's data files from the command line. It shows
// no dialogs; whatever the editor would show in a box goes to stderr with its
// message number.

#include <iostream>
#include <map>
#include <string>

#include "cli/commands.h"
#include "core/version.h"

namespace {

constexpr const char* kUsage =
    "usage: pfedit-cli [--help | --version | COMMAND ARGS...]\n"
    "\n"
    "commands:\n"
    "  messages               every message of the editor, number<TAB>text\n"
    "  list FOLDER|FILE.vf_   the models of a catalogue or of an export file [--json]\n"
    "  show FILE              the parameter records of a parameter or export file [--json]\n";

}  // namespace

int main(int argc, char** argv) {
  using pfedit::cli::Args;
  const Args args(argv + 1, argv + argc);
  if (args.empty()) return pfedit::cli::UsageError(std::cerr, "no command given");
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (first == "--version") {
    std::cout << "pfedit-cli " << pfedit::kVersionText << "\n";
    return 0;
  }
  using Command = int (*)(const Args&, std::ostream&, std::ostream&);
  const std::map<std::string, Command> commands{
      {"messages", pfedit::cli::RunMessages},
      {"list", pfedit::cli::RunList},
      {"show", pfedit::cli::RunShow},
  };
  const auto command = commands.find(first);
  if (command == commands.end()) {
    return pfedit::cli::UsageError(std::cerr, "unknown command or option '" + first + "'");
  }
  return command->second(Args(args.begin() + 1, args.end()), std::cout, std::cerr);
}
