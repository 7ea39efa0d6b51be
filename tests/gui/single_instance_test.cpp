// One editor per user: a second one ends at once without a window, a crashed
// first one does not keep the next one out, and a lock that cannot be made
// at all does not stop the editor from starting.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondInstanceLeavesAndCrashedLockIsReclaimed();
  void startsAndSaysWhyWhenNoLockCanBeMade();
};

namespace {

constexpr int kTimeoutMs = 15000;

// USER and USERNAME are removed: the lock must stay per user without them.
void Start(QProcess& process, const QString& runtime_folder, const QString& temp_folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_folder);
  environment.insert(QStringLiteral("TMPDIR"), temp_folder);
  environment.remove(QStringLiteral("USER"));
  environment.remove(QStringLiteral("USERNAME"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(PFEDIT_EXECUTABLE), QStringList());
  QVERIFY(process.waitForStarted(kTimeoutMs));
}

// True once the folder's lock file names the process as its owner (the
// first line of a lock file is the owner's process id).
bool HoldsLock(const QString& folder, const QProcess& process) {
  const QStringList locks = QDir(folder).entryList({QStringLiteral("pfedit-*.lock")}, QDir::Files);
  if (locks.size() != 1) return false;
  QFile file(QDir(folder).filePath(locks.first()));
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.readLine().trimmed() == QByteArray::number(process.processId());
}

void Stop(QProcess& process) {
  process.kill();
  process.waitForFinished(kTimeoutMs);
}

}  // namespace

void SingleInstanceTest::secondInstanceLeavesAndCrashedLockIsReclaimed() {
  QTemporaryDir runtime;
  // A runtime folder others may enter is refused by Qt, which would then
  // fall back to a shared one.
  QVERIFY(QFile::setPermissions(runtime.path(),
                                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  QProcess first;
  Start(first, runtime.path(), runtime.path());
  QTRY_VERIFY_WITH_TIMEOUT(HoldsLock(runtime.path(), first), kTimeoutMs);

  QProcess second;
  Start(second, runtime.path(), runtime.path());
  QVERIFY(second.waitForFinished(kTimeoutMs));
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(second.readAllStandardError(), QByteArray());
  QCOMPARE(first.state(), QProcess::Running);

  Stop(first);  // as a crash: the lock file stays behind

  QProcess third;
  Start(third, runtime.path(), runtime.path());
  QTRY_VERIFY_WITH_TIMEOUT(HoldsLock(runtime.path(), third), kTimeoutMs);
  Stop(third);
}

void SingleInstanceTest::startsAndSaysWhyWhenNoLockCanBeMade() {
  // A plain file where both the runtime and the temporary folder should be:
  // no lock file can be made below it, whoever runs the test (permission
  // bits would not stop root).
  QTemporaryDir scratch;
  const QString not_a_folder = scratch.filePath(QStringLiteral("file"));
  QFile file(not_a_folder);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();

  QProcess editor;
  Start(editor, not_a_folder, not_a_folder);
  QByteArray errors;
  QTRY_VERIFY_WITH_TIMEOUT(
      (errors += editor.readAllStandardError()).contains("starting without the check"), kTimeoutMs);
  QVERIFY2(errors.contains(not_a_folder.toLocal8Bit()), errors.constData());
  QCOMPARE(editor.state(), QProcess::Running);
  Stop(editor);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
