#include "cli/commands.h"
#include "core/messages.h"

namespace pfedit::cli {

int UsageError(std::ostream& err, const std::string& text) {
  err << "pfedit-cli: " << text << " (see pfedit-cli --help)\n";
  return kExitUsage;
}

int RunMessages(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) return UsageError(err, "messages takes no arguments");
  for (const auto& [number, text] : AllMessages()) out << number << '\t' << text << '\n';
  return kExitSuccess;
}

}  // namespace pfedit::cli
