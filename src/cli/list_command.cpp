#include "cli/commands.h"

namespace pfedit::cli {

int RunList(const Args&, std::ostream&, std::ostream& err) {
  return UsageError(err, "list is not available yet");
}

}  // namespace pfedit::cli
