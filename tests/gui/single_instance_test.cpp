// A second editor of the same user ends at once without a window; a crashed
// first one does not keep the next one out.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondInstanceLeavesAndCrashedLockIsReclaimed();
};

namespace {

QProcessEnvironment Environment(const QString& runtime_folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_folder);
  return environment;
}

void Start(QProcess& process, const QString& runtime_folder) {
  process.setProcessEnvironment(Environment(runtime_folder));
  process.start(QStringLiteral(PFEDIT_EXECUTABLE), QStringList());
  QVERIFY(process.waitForStarted(10000));
}

}  // namespace

void SingleInstanceTest::secondInstanceLeavesAndCrashedLockIsReclaimed() {
  QTemporaryDir runtime;
  QVERIFY(QFile::setPermissions(runtime.path(),
                                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
  QProcess first;
  Start(first, runtime.path());
  // The first editor keeps running (it waits for the user); give it time to
  // take the lock.
  QVERIFY(!first.waitForFinished(1500));

  QProcess second;
  Start(second, runtime.path());
  QVERIFY(second.waitForFinished(10000));
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);

  first.kill();  // as a crash: the lock file stays behind
  QVERIFY(first.waitForFinished(10000));

  QProcess third;
  Start(third, runtime.path());
  QVERIFY(!third.waitForFinished(1500));
  third.kill();
  third.waitForFinished(10000);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
