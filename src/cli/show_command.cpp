#include "cli/commands.h"

namespace pfedit::cli {

int RunShow(const Args&, std::ostream&, std::ostream& err) {
  return UsageError(err, "show is not available yet");
}

}  // namespace pfedit::cli
