// The editor's own help viewer: it shows the page it is given, follows the
// pages' links and goes back, forward and to the contents.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <utility>

#include "gui/help_viewer.h"
#include "gui/qt_desktop.h"

namespace pfedit::gui {
namespace {

void WritePage(const QTemporaryDir& dir, const char* name, const char* html) {
  QFile file(dir.filePath(QString::fromLatin1(name)));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(html);
}

// A stand-in for xdg-open that ends with the given status.
void WriteOpener(const QTemporaryDir& bin, int status) {
  QFile opener(bin.filePath(QStringLiteral("xdg-open")));
  QVERIFY(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
  opener.write(QByteArrayLiteral("#!/bin/sh\nexit ") + QByteArray::number(status) + "\n");
  opener.close();
  opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString ShownName(const QTextBrowser& page) {
  return page.source().fileName();
}

}  // namespace

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    WritePage(dir_, "index.htm",
              "<html><head><title>Contents</title></head>"
              "<body><p><a href=\"grid.htm\">The grid</a></p></body></html>");
    WritePage(dir_, "grid.htm",
              "<html><head><title>The grid</title></head>"
              "<body><p><a href=\"check.htm\">Check</a></p></body></html>");
    WritePage(dir_, "check.htm", "<html><head><title>Check</title></head><body></body></html>");
  }

  void FollowsLinksAndGoesBackForwardAndToTheContents() {
    HelpViewer viewer(nullptr);
    auto* page = viewer.findChild<QTextBrowser*>(QStringLiteral("txtPage"));
    auto* contents = viewer.findChild<QToolButton*>(QStringLiteral("cmdContents"));
    auto* back = viewer.findChild<QToolButton*>(QStringLiteral("cmdBack"));
    auto* forward = viewer.findChild<QToolButton*>(QStringLiteral("cmdForward"));
    QVERIFY(page && contents && back && forward);

    QVERIFY(viewer.ShowPage(dir_.filePath(QStringLiteral("index.htm"))));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QCOMPARE(ShownName(*page), QStringLiteral("index.htm"));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Contents"));
    QVERIFY(!back->isEnabled());

    // The keyboard way to a link: Tab selects it, Return follows it.
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(ShownName(*page), QStringLiteral("grid.htm"));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("The grid"));
    QVERIFY(back->isEnabled());

    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(ShownName(*page), QStringLiteral("check.htm"));

    back->click();
    back->click();
    QCOMPARE(ShownName(*page), QStringLiteral("index.htm"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(ShownName(*page), QStringLiteral("grid.htm"));
    contents->click();
    QCOMPARE(ShownName(*page), QStringLiteral("index.htm"));
  }

#ifndef _WIN32
  // The browser's opener is asked, and its exit status is the answer: a
  // desktop without any application for the page must not pass as opened.
  void OpenerExitStatusDecides() {
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    QtDesktop desktop;
    const std::string page = dir_.filePath(QStringLiteral("grid.htm")).toStdString();
    for (const auto& [status, opened] : {std::pair{0, true}, std::pair{3, false}}) {
      WriteOpener(bin, status);
      QCOMPARE(desktop.OpenHelp(page), opened);
    }
    QVERIFY(!desktop.OpenHelp(dir_.filePath(QStringLiteral("missing.htm")).toStdString()));
    qputenv("PATH", path);
  }
#endif

  // The desktop keeps one viewer window and reports a page it cannot show.
  void DesktopShowsPagesInOneWindow() {
    QtDesktop desktop;
    QWidget owner;
    desktop.SetOwner(&owner);
    QVERIFY(!desktop.ShowHelpPage(dir_.filePath(QStringLiteral("missing.htm")).toStdString()));
    QVERIFY(desktop.ShowHelpPage(dir_.filePath(QStringLiteral("grid.htm")).toStdString()));
    QVERIFY(desktop.ShowHelpPage(dir_.filePath(QStringLiteral("check.htm")).toStdString()));
    const auto viewers = owner.findChildren<HelpViewer*>();
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers.front()->isVisible());
    QCOMPARE(viewers.front()->windowTitle(), QStringLiteral("Check"));
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::HelpViewerTest)
#include "help_viewer_test.moc"
