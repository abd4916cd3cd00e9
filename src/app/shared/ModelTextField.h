// Edit fields whose text the model keeps: a name or notes are held in the model as UTF-8
// of a fixed number of bytes, while the screen types and shows the system's code page,
// where an accented letter is one character but two bytes in the model. A field stops
// typing at what the model holds, in bytes; a paste keeps what fits, whole characters,
// and says so when it was cut. The edit control's own character limit stays as the
// outer bound.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/controls/zEdit.h"

namespace PV {
namespace GUI {

// The clipboard's text, in the system's code page; empty when it holds none or another
// window keeps it open.
std::string clipboardTextFor(HWND owner);

// The longest start of `added` (screen text) that fits after `kept` (screen text) when
// the model's UTF-8 of both together may take maxBytes; whole characters only.
std::string fittingText(const std::string& kept, const std::string& added, size_t maxBytes);

// A typed character into the field: true when it was refused because the model could not
// hold the text it would make (the field's selection replaced); a beep tells the user.
bool refuseTypedCharacter(HWND field, char typed, size_t maxBytes);

// The clipboard's text into the field, in place of its selection, as much as the model
// holds; when the paste was cut a box owned by the field's window says so, naming the
// field as `what` ("name", "notes"). False when the clipboard holds no text.
bool pasteFitting(HWND field, size_t maxBytes, const char* what);

// A dialog's edit field (zEditLine or zEditBox) of a model's text under that rule.
template <class Edit>
class ModelTextFieldOf : public Edit {
 public:
  ModelTextFieldOf(zWindow* parent, int32_t id, FLCString* bound, uint32_t flags, size_t maxBytes, const char* what)
      : Edit(parent, id, bound, flags), maxBytes_(maxBytes), what_(what) {}

  int onChar(zEvent* event) override {
    if (refuseTypedCharacter(this->handle(), static_cast<char>(event->wParam_), maxBytes_)) return 1;
    return Edit::onChar(event);
  }
  LRESULT defProc(zEvent* event) override {
    if (event->message_ == WM_PASTE) {
      pasteFitting(this->handle(), maxBytes_, what_);
      return 0;
    }
    return Edit::defProc(event);
  }

 private:
  size_t maxBytes_;
  const char* what_;
};
using ModelTextLine = ModelTextFieldOf<zEditLine>;
using ModelTextBox = ModelTextFieldOf<zEditBox>;

}  // namespace GUI
}  // namespace PV
