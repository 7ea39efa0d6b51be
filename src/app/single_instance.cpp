#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace pfedit::app {

std::unique_ptr<QLockFile> AcquireSingleInstanceLock() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
  auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/pfedit-") + user +
                                          QStringLiteral(".lock"));
  // A held lock never goes stale by age: only a dead owner frees it.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace pfedit::app
