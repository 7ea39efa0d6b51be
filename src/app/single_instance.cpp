#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace pfedit::app {

namespace {

// Names the user without trusting the environment: with USER unset every
// user would share one lock in a shared temporary folder, and the first
// user's editor would keep out everyone else's.
QString UserKey() {
#ifdef Q_OS_WIN
  wchar_t name[257] = {};
  DWORD length = sizeof name / sizeof name[0];
  if (GetUserNameW(name, &length) && length > 1) {
    return QString::fromWCharArray(name, static_cast<int>(length - 1));
  }
  return qEnvironmentVariable("USERNAME");
#else
  return QString::number(::getuid());
#endif
}

QString Describe(QLockFile::LockError error) {
  switch (error) {
    case QLockFile::PermissionError:
      return QStringLiteral("no permission to create it");
    case QLockFile::UnknownError:
      return QStringLiteral(
          "it could not be created; the folder may be missing, not a folder, "
          "read-only or full");
    case QLockFile::LockFailedError:
    case QLockFile::NoError:
      break;
  }
  return QStringLiteral("it could not be taken");
}

}  // namespace

InstanceLock AcquireSingleInstanceLock() {
  InstanceLock result;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  if (folder.isEmpty()) {
    result.problem = QStringLiteral("neither a runtime folder nor a temporary folder is usable");
    return result;
  }
  const QString path = folder + QStringLiteral("/pfedit-") + UserKey() + QStringLiteral(".lock");
  auto lock = std::make_unique<QLockFile>(path);
  // A held lock never goes stale by age: only a dead owner frees it.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    result.state = InstanceLock::State::kHeld;
    result.file = std::move(lock);
  } else if (lock->error() == QLockFile::LockFailedError) {
    result.state = InstanceLock::State::kHeldByAnother;
  } else {
    result.problem = QStringLiteral("the lock file %1: %2")
                         .arg(QDir::toNativeSeparators(path), Describe(lock->error()));
  }
  return result;
}

}  // namespace pfedit::app
