// The controls over the system class "edit": the shared operations (zEditBase), the
// single-line edit (zEditLine) and the multi-line edit (zEditBox). An edit may be bound to
// a string that storeData fills from the control and loadData puts back. Enter in an edit
// that does not want it is told to the parent as the message zMsgEditEnter (0x900, wParam
// and lParam 4096) before the edit gets the key.
#pragma once

#include "foundation/Geometry.h"
#include "framework/controls/zControl.h"

// Edit flag: an empty text is valid.
constexpr uint32_t zEditEmptyValid = 0x100;

class zEditBase : public zControl {
 public:
  zEditBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  // Takes over; a bound string that is not empty is loaded at once.
  zEditBase(zWindow* parent, int32_t id, FLCString* bound = nullptr, uint32_t flags = 0);

  LRESULT defProc(zEvent* event) override;
  // Valid when the control holds text, or empty text is allowed.
  int validate() override;
  int storeData() override;
  int loadData() override;

  void bind(FLCString* bound) { bound_ = bound; }
  void limitText(int32_t limit);
  void replaceSelection(const char* text);
  void select(int32_t start, int32_t end);
  // Start and end of the selection, in order (first, second).
  zPair selectionRange() const;
  FLCString selection() const;
  void cut();
  void copy();
  void paste();
  // Sets the text also while the control is disabled (it stays disabled).
  void setText(const char* text);
  void setText(const FLCString& text) { setText(static_cast<const char*>(text)); }
  uint32_t editFlags() const { return editFlags_; }

 protected:
  FLCString* bound_;
  uint32_t editFlags_;
};

class zEditLine : public zEditBase {
 public:
  zEditLine(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zEditLine(zWindow* parent, int32_t id, FLCString* bound = nullptr, uint32_t flags = 0);
};

class zEditBox : public zEditBase {
 public:
  zEditBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zEditBox(zWindow* parent, int32_t id, FLCString* bound = nullptr, uint32_t flags = 0);
};
