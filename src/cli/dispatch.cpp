#include <map>
#include <vector>

#include "cli/commands.h"
#include "core/messages.h"
#include "core/version.h"

namespace pfedit::cli {

namespace {

constexpr const char* kUsage =
    "usage: pfedit-cli [--help | --version | COMMAND ARGS...]\n"
    "\n"
    "commands:\n"
    "  messages               every message of the editor, number<TAB>text\n"
    "  list FOLDER|FILE.vf_   the models of a catalogue or of an export file [--json]\n"
    "  show FILE              the parameter records of a parameter or export file [--json]\n"
    "  check FILE             the editor's Parameter Check on a parameter or export file:\n"
    "                         FILE:LINE: Pr N: COLUMN: TEXT per fault [--json];\n"
    "                         exit 0 passed, 1 faults, 2 unreadable file or usage error.\n"
    "                         Numbers use the locale's decimal mark: run scripts under\n"
    "                         LC_ALL=C for a point.\n"
    "  import FOLDER IN.vf_   File > Import of IN, then File > Save into FOLDER's catalogue\n"
    "                         [--position N] [--yes] [--json]; an existing parameter\n"
    "                         file is overwritten only with --yes; exit 0 saved,\n"
    "                         1 check faults or a message (PATH: NNNN: text), 2 usage.\n"
    "  export FOLDER POSITION OUT.vf_\n"
    "                         File > Export of the model at POSITION (from 1) of FOLDER's\n"
    "                         catalogue: checked as check does, then written to OUT\n"
    "                         [--class small|large, needed for a model of both classes]\n"
    "                         [--json]; exit 0 written, 1 faults or a message, 2 usage.\n";

}  // namespace

bool ParseFileArgs(const Args& args, const std::string& command, FileArgs* parsed,
                   std::ostream& err) {
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      parsed->json = true;
    } else if (!arg.empty() && arg[0] == '-') {
      UsageError(err, command + ": unknown option '" + arg + "'");
      return false;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 1) {
    UsageError(err, command + " takes exactly one file or folder");
    return false;
  }
  parsed->path = paths.front();
  return true;
}

void WriteReadFailure(std::ostream& err, const std::string& path, Status status,
                      const std::string& reason) {
  err << path << ": " << status << ": " << GetMessageText(status);
  if (!reason.empty()) err << ": " << reason;
  err << '\n';
}

namespace {

int RunCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << kUsage;
    return kExitSuccess;
  }
  if (first == "--version") {
    out << "pfedit-cli " << kVersionText << "\n";
    return kExitSuccess;
  }
  using Command = int (*)(const Args&, std::ostream&, std::ostream&);
  const std::map<std::string, Command> commands{
      {"messages", RunMessages}, {"list", RunList},     {"show", RunShow},
      {"check", RunCheck},       {"export", RunExport}, {"import", RunImport},
  };
  const auto command = commands.find(first);
  if (command == commands.end()) {
    return UsageError(err, "unknown command or option '" + first + "'");
  }
  return command->second(Args(args.begin() + 1, args.end()), out, err);
}

}  // namespace

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
  const int status = RunCommand(args, out, err);
  // A full disk or a closed output must not pass for a complete listing.
  out.flush();
  if (!out) {
    err << "pfedit-cli: the output could not be written\n";
    // For check, 1 means "the list has faults"; a lost report must not read
    // as one, nor as a pass.
    return !args.empty() && args.front() == "check" ? kExitUsage : kExitFailure;
  }
  return status;
}

}  // namespace pfedit::cli
