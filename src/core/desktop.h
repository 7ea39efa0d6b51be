#pragma once

// The one door through which logic reaches the user. Logic never shows
// anything itself: it asks this interface. The Qt views implement it for the
// real program; tests implement it with a script of answers.

#include <string>
#include <vector>

namespace pfedit {

enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBox {
  std::string text;  // bytes in the ANSI code page; lines joined by CR LF
  Icon icon = Icon::Exclamation;
  Buttons buttons = Buttons::Ok;
  Answer default_button = Answer::Ok;
  std::string title;  // message 0 unless a caller says otherwise
  int message = -1;   // the message number when the text is one message alone
};

struct FileDialogRequest {
  std::string title;
  std::string filter;             // "Description|*.ext", as in the message table
  std::string default_extension;  // without the point
  std::string initial_folder;
  bool save = false;  // save dialog: overwrite prompt, path must exist
};

// A modal dialog's logic object. The desktop shows the view that belongs to
// FormName() and returns when the dialog has closed.
class DialogLogic {
 public:
  virtual ~DialogLogic() = default;
  virtual const char* FormName() const = 0;
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
  // Opens the help file on its default topic; false when nothing could open it.
  virtual bool OpenHelp(const std::string& path) = 0;
  // Shows the dialog modally and returns when it is closed.
  virtual void RunModal(DialogLogic& dialog) = 0;
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
void ShowError(Desktop& desktop, int message);
void ShowErrorText(Desktop& desktop, const std::string& text);
void ShowInformation(Desktop& desktop, int message);
void ShowInformationText(Desktop& desktop, const std::string& text);
// Yes and No buttons, question icon; true only for Yes.
bool AskYesNo(Desktop& desktop, int message);

// Message texts joined with CR LF between them.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace pfedit
