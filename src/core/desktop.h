#pragma once

// The one door through which logic reaches the user. Logic never shows
// anything itself: it asks this interface. The Qt views implement it for the
// real program; tests implement it with a script of answers.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/message_ids.h"

namespace pfedit {

enum class Icon { kNone, kInformation, kExclamation, kQuestion, kCritical };
enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

struct MessageBox {
  std::string text;  // bytes in the ANSI code page; lines joined by CR LF
  Icon icon = Icon::kExclamation;
  Buttons buttons = Buttons::kOk;
  Answer default_button = Answer::kOk;
  std::string title;       // message 0 unless a caller says otherwise
  MessageId message = -1;  // the message number when the text is one message alone
};

struct FileDialogRequest {
  std::string title;
  std::string filter;             // "Description|*.ext", as in the message table
  std::string default_extension;  // without the point
  std::string initial_folder;
  bool save = false;  // save dialog: overwrite prompt, path must exist
};

// The menus that also open as pop-ups, named as the menu controls.
enum class PopupMenu { mnuEdit };

// A window's logic object, and the one way every window closes.
//
// A view calls a handler, renders the logic's state, and closes its window
// exactly when Closed() has become true; it never closes on its own. When the
// user closes the window itself (close box, Alt+F4, Escape in a dialog), the
// view calls Form_QueryUnload(), which closes the form or refuses. A handler
// that refuses (an OK that failed a check, No to "exit?") therefore just
// leaves the form open, and no close can bypass the logic's checks.
class FormLogic {
 public:
  virtual ~FormLogic() = default;
  // The form's control name; its view's window carries it as object name.
  virtual const char* FormName() const = 0;

  bool Closed() const { return closed_; }
  // The user closes the window itself. By default the form closes.
  virtual void Form_QueryUnload() { Unload(); }

  // The control that should get the keyboard focus, once; empty for none.
  // The view finds the widget by its object name, which is the control name.
  std::string TakeFocusRequest() { return std::exchange(focus_request_, {}); }

 protected:
  // Closes the form. Form_Unload runs once, whichever path closed it.
  void Unload();
  virtual void Form_Unload() {}
  void SetFocus(std::string control) { focus_request_ = std::move(control); }

 private:
  bool closed_ = false;
  std::string focus_request_;
};

// A modal dialog. It keeps a result, kResultCancel from the start and
// kResultOk only after an OK that passed every check, so any other close (the
// close box included) leaves it cancelled. The command that showed the
// dialog reads Accepted() after Desktop::RunModal returns. Data the dialog
// accepted travels back through the editor state and the edit buffer.
class DialogLogic : public FormLogic {
 public:
  static constexpr int16_t kResultOk = 1;
  static constexpr int16_t kResultCancel = 2;

  int16_t Result() const { return result_; }
  bool Accepted() const { return result_ == kResultOk; }

 protected:
  // Keeps the result and closes; a dialog already closed stays as it closed.
  void Close(int16_t result);

 private:
  int16_t result_ = kResultCancel;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual Answer ShowMessage(const MessageBox& box) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  // The chosen path, or empty text when the user cancelled.
  virtual std::string ChooseFile(const FileDialogRequest& request) = 0;
  // Opens a help file in the desktop's own viewer for it: the compiled file on
  // its default topic, a page of the HTML copy in the browser. False when
  // nothing could open it.
  virtual bool OpenHelp(const std::string& path) = 0;
  // Shows a page of the HTML copy in the program's own viewer, the last resort
  // when no browser opens; false for a desktop that has none.
  virtual bool ShowHelpPage(const std::string& /*path*/) { return false; }
  // Shows the view of the dialog's type modally and returns once the dialog
  // has closed. A dialog already closed (its Form_Load gave up) is not shown.
  virtual void RunModal(DialogLogic& dialog) = 0;
  // Opens a menu of the main window as a pop-up at the screen position x, y
  // and returns when it has closed; a chosen item's command has run by then.
  virtual void ShowPopupMenu(PopupMenu menu, int x, int y) = 0;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(Desktop& desktop) : desktop_(desktop) { desktop_.SetWaitCursor(true); }
  ~WaitCursor() { desktop_.SetWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Desktop& desktop_;
};

// The editor's usual boxes, all titled with message 0.
void ShowError(Desktop& desktop, MessageId message);
void ShowErrorText(Desktop& desktop, const std::string& text);
void ShowInformation(Desktop& desktop, MessageId message);
void ShowInformationText(Desktop& desktop, const std::string& text);
// Yes and No buttons, question icon; true only for Yes.
bool AskYesNo(Desktop& desktop, MessageId message);

// Message texts joined with CR LF between them.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace pfedit
