// Helpers shared by the dialog view tests: play the user on a modal dialog
// and find its controls by the names the logic uses.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace pfedit::gui::test {

// Plays the user once the modal dialog is up. Every step ends by closing the
// dialog through its controls, so a dialog the step left open is a view that
// did not forward the close to its logic: it fails, and is closed by force so
// that the test cannot hang. With PFEDIT_GRAB_DIR set,
// the dialog as first shown is saved there for a look by eye (at any
// QT_SCALE_FACTOR).
inline void WhenShown(std::function<void(QDialog&)> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    const QString grab_dir = qEnvironmentVariable("PFEDIT_GRAB_DIR");
    if (!grab_dir.isEmpty()) {
      // The offscreen screen is small; a real desktop gives the dialog its size.
      dialog->resize(dialog->sizeHint().expandedTo(dialog->size()));
      dialog->grab().save(QDir(grab_dir).filePath(dialog->objectName() + ".png"));
    }
    step(*dialog);
    if (dialog->isVisible()) {
      dialog->done(0);
      QFAIL("the dialog stayed open after the step");
    }
  });
}

template <typename Widget>
Widget* Control(QWidget& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qWarning("no control %s", name);
  return widget;
}

inline QString FocusName(QWidget& dialog) {
  return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
}

}  // namespace pfedit::gui::test
