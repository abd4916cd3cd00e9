// What the model dialogs ask of the window that opens them: the main window shows the
// current model in its caption and its status line, and the dialogs that change the
// model tell it so. The main window implements this beside being a window; a dialog
// whose parent does not is a programming error.
#pragma once

class zWindow;

class DModelHost {
 public:
  virtual ~DModelHost() = default;
  // Shows the text (in the screen's code page) as the window's caption.
  virtual void setModelCaption(const char* caption) = 0;
  // Shows the current model's name and parameters in the status line again.
  virtual void updateStatusBar() = 0;
};

// The host behind a dialog's parent window; null when the parent is none.
DModelHost* modelHostOf(zWindow* parent);
