#pragma once

// Only one editor runs per user. The lock is a file holding the owner's
// process id, so a crashed editor does not keep the next one out.

#include <QLockFile>
#include <QString>
#include <memory>

namespace pfedit::app {

struct InstanceLock {
  enum class State {
    kHeld,           // this process holds the lock
    kHeldByAnother,  // a live editor of the same user holds it
    kUnavailable,    // no lock could be made: whether another editor runs is unknown
  };
  State state = State::kUnavailable;
  std::unique_ptr<QLockFile> file;  // kHeld: released when this goes away
  QString problem;                  // kUnavailable: what failed, with the lock's path
};

InstanceLock AcquireSingleInstanceLock();

}  // namespace pfedit::app
