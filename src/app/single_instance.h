#pragma once

// Only one editor runs per user. The lock is a file holding the owner's
// process id, so a crashed editor does not keep the next one out.

#include <QLockFile>
#include <memory>

namespace pfedit::app {

// The lock of this process, or null when another editor of the same user
// already runs.
std::unique_ptr<QLockFile> AcquireSingleInstanceLock();

}  // namespace pfedit::app
