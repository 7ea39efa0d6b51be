// Modal dialogs: found by the type of their logic, closed only by it.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "about/frm_version.h"
#include "core/version.h"
#include "gui/control_render.h"
#include "gui/dialog_view.h"
#include "gui/qt_desktop.h"
#include "view_test_support.h"

namespace pfedit::gui {
namespace {

using test::WhenShown;

// A dialog whose OK may refuse and whose close box may be refused.
class GuardedDialog : public DialogLogic {
 public:
  const char* FormName() const override { return "frmGuarded"; }
  void CmdOK_Click() {
    if (txtName.Text.empty()) return SetFocus("txtName");
    Close(kResultOk);
  }
  void Form_QueryUnload() override {
    ++close_box_clicks;
    if (close_box_closes) Close(kResultCancel);
  }
  TextBoxState txtName;
  ButtonState CmdOK{"OK"};
  bool close_box_closes = false;
  int close_box_clicks = 0;
};

class DerivedDialog final : public GuardedDialog {};

class GuardedView final : public DialogView {
 public:
  GuardedView(GuardedDialog& logic, QWidget* parent) : DialogView(logic, parent), logic_(logic) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_ = NewControl<QLineEdit>(this, "txtName"));
    layout->addWidget(ok_ = NewControl<QPushButton>(this, "CmdOK"));
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.txtName.Text = text.toStdString(); });
    OnClick(ok_, [this] { logic_.CmdOK_Click(); });
  }

 protected:
  void Render() override {
    gui::Render(name_, logic_.txtName);
    gui::Render(ok_, logic_.CmdOK);
  }

 private:
  GuardedDialog& logic_;
  QLineEdit* name_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace

class DialogViewTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutBoxShowsItsControlsByNameAndClosesOnOk() {
    QtDesktop desktop;
    about::frmVersion about;
    about.Form_Load();
    QString shown;
    WhenShown([&](QDialog& dialog) {
      auto* notice = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtCopyRight"));
      shown = dialog.objectName() + "|" + dialog.windowTitle() + "|" +
              dialog.findChild<QLabel*>(QStringLiteral("lblVersion_num"))->text() + "|" +
              QString::number(notice->isReadOnly()) + "|" +
              QString::number(notice->toPlainText().left(10) ==
                              QString::fromLatin1(about.txtCopyRight.Text.substr(0, 10).c_str()));
      dialog.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    });
    desktop.RunModal(about);
    QCOMPARE(shown, QStringLiteral("frmVersion|Product Information|") +
                        QString::fromLatin1(kVersionText) + QStringLiteral("|1|1"));
    QVERIFY(about.Closed() && about.Accepted());
  }

  void refusedOkAndRefusedCloseBoxKeepTheDialogOpen() {
    QtDesktop desktop;
    desktop.Views().Register<GuardedDialog, GuardedView>();
    GuardedDialog guarded;
    bool open_after_refusals = false;
    QString focused;  // a name: the widget dies with the dialog
    WhenShown([&](QDialog& dialog) {
      auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("CmdOK"));
      ok->click();                               // refused: no name
      QTest::keyClick(&dialog, Qt::Key_Escape);  // refused by the logic
      dialog.close();                            // so is the close box
      open_after_refusals = dialog.isVisible();
      if (QWidget* widget = dialog.focusWidget()) focused = widget->objectName();
      QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("txtName")), "A");
      ok->click();
    });
    desktop.RunModal(guarded);
    QVERIFY(open_after_refusals);
    QCOMPARE(focused, QStringLiteral("txtName"));
    QCOMPARE(guarded.close_box_clicks, 2);
    QVERIFY(guarded.Accepted());

    GuardedDialog cancelled;
    cancelled.close_box_closes = true;
    WhenShown([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    desktop.RunModal(cancelled);
    QVERIFY(cancelled.Closed());
    QCOMPARE(cancelled.Result(), DialogLogic::kResultCancel);
  }

  void viewsAreFoundByTheDialogsOwnTypeOnly() {
    DialogViews views;
    views.Register<GuardedDialog, GuardedView>();
    DerivedDialog derived;
    QVERIFY(!views.Run(derived, nullptr));
    // A dialog its loading closed already is not shown at all.
    GuardedDialog closed_while_loading;
    closed_while_loading.close_box_closes = true;
    closed_while_loading.Form_QueryUnload();
    bool shown = false;
    QTimer shown_guard;
    connect(&shown_guard, &QTimer::timeout, [&] {
      shown = true;
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(0);
    });
    shown_guard.start(0);
    QVERIFY(views.Run(closed_while_loading, nullptr));
    QVERIFY(!shown);
  }

  // Screen readers read a caption without its accelerator marks; a doubled
  // mark is a real "&".
  void accessibleNamesDropAcceleratorMarks() {
    QLabel label;
    const std::pair<const char*, const char*> cases[] = {
        {"&OK", "OK"}, {"Save && E&xit", "Save & Exit"}, {" Cancel ", "Cancel"}, {"", ""}};
    for (const auto& [caption, name] : cases) {
      SetAccessibleCaption(&label, caption);
      QCOMPARE(label.accessibleName(), QString::fromLatin1(name));
    }
  }
};

}  // namespace pfedit::gui

QTEST_MAIN(pfedit::gui::DialogViewTest)
#include "dialog_view_test.moc"
