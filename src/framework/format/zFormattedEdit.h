// A single-line edit whose every change goes through a formatter: each typed character,
// each deletion, each cut and each paste is handed to the formatter with the current text
// and selection, and the formatter's new text and selection are shown (or the input is
// refused and nothing changes). The edit owns its formatter.
//
// The edit is a single-line edit control of the framework; its key, cut and paste handling
// are handlers on its own list, which the control procedure asks before the edit's class.
#pragma once

#include "framework/controls/zEdit.h"
#include "framework/format/zFormatter.h"

class zFormattedEdit : public zEditLine {
 public:
  // Creates the window; the initial text (none: empty) goes through the formatter.
  zFormattedEdit(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id, zFormatter* formatter,
                 uint32_t value = 0);
  // The dialog form (zFormattedEditFromDialog): takes over the dialog's edit with the
  // identifier, without binding it to a variable;
  // the item's text goes through the formatter as the initial text.
  zFormattedEdit(zWindow* parent, int32_t id, zFormatter* formatter, uint32_t value = 0);
  ~zFormattedEdit() override;

  // Takes ownership of the new formatter and deletes the previous one (setting the one
  // in use again changes nothing).
  void setFormatter(zFormatter* formatter);
  // Gives up the formatter without deleting it; the edit has none afterwards.
  zFormatter* releaseFormatter();
  zFormatter* formatter() const { return formatter_; }
  uint32_t value() const { return value_; }

  // The window text through the formatter's unformat.
  FLCString unformattedText();
  // Applies the string as typed input at the selection: 1 when the text changed, 0 when
  // the formatter refused it (nothing changes then).
  int insertText(const char* text);
  // 1 when the text is complete and valid; else 0 with the fault selected.
  int validate() override;

  // Message handling: nonzero when the message was handled and the control must not see
  // it. onChar may change the character in the event before passing it on.
  int onChar(zEvent* event) override;
  int onKeyDown(zEvent* event);
  int onCut(zEvent* event);
  int onPaste(zEvent* event);

 private:
  void attach(const char* initial);
  void copyToClipboard();
  FLCString windowText() const;
  zRange selection() const;
  void apply(const FLCString& text, const zRange& sel);
  // Delete (or cut): the selection, else the character at the caret.
  int deleteKey(bool copyFirst);

  // Set when a key-down consumed a key whose character message follows it.
  uint32_t keyHandled_;
  uint32_t value_;
  zFormatter* formatter_;
};
