#pragma once

// The commands of pfedit-cli. Each takes the arguments after its name and
// returns the process exit status: 0 success, 1 a file could not be read or
// the output could not be written, 2 a usage error.

#include <ostream>
#include <string>
#include <vector>

namespace pfedit::cli {

using Args = std::vector<std::string>;

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The whole tool: the arguments after the program name. Fails when the
// output, flushed at the end, could not be written.
int RunCli(const Args& args, std::ostream& out, std::ostream& err);

int RunMessages(const Args& args, std::ostream& out, std::ostream& err);
int RunList(const Args& args, std::ostream& out, std::ostream& err);
int RunShow(const Args& args, std::ostream& out, std::ostream& err);

// What a command that reads one file takes: the file and an optional --json.
struct FileArgs {
  std::string path;
  bool json = false;
};
// False after a usage error naming the command was written.
bool ParseFileArgs(const Args& args, const std::string& command, FileArgs* parsed,
                   std::ostream& err);

// Writes a one-line usage error and returns 2.
int UsageError(std::ostream& err, const std::string& text);

}  // namespace pfedit::cli
