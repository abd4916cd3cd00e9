// The controls over the system classes "listbox" and "combobox": item operations, bulk
// filling with redrawing switched off, one registration per notification code, and
// binding to an integer (the selected index) or a string (the selected or typed text). A
// list box with WS_HSCROLL keeps the width of its widest item as its horizontal extent.
#pragma once

#include "foundation/FLTLists.h"
#include "framework/controls/zControl.h"

class zResStrBlock;
class zSlist;

// Binding flag: an empty selection or text is valid.
constexpr uint32_t zBindEmptyValid = 0x100;

// The value a list or combo box moves in the dialog's load and store: the selected index,
// or the selected (a combo box with an edit field: the typed) text.
struct zListBinding {
  void bindIndex(int32_t* index, uint32_t flags);
  void bindString(FLCString* text, uint32_t flags);
  bool bound() const { return kind != none && value; }
  int32_t* index() const { return kind == byIndex ? static_cast<int32_t*>(value) : nullptr; }
  FLCString* text() const { return kind == byText ? static_cast<FLCString*>(value) : nullptr; }
  // The bound value into the control: its index selected, or the item of its text.
  template <class Box>
  int load(Box& box) const {
    if (!value) return 0;
    if (int32_t* i = index()) box.setSelection(*i);
    if (FLCString* t = text()) box.selectString(*t);
    return 1;
  }

  enum Kind : int32_t { none = 0, byIndex = 1, byText = 2 };
  void* value = nullptr;
  Kind kind = none;
  uint32_t flags = 0;
};

// A kind of list or combo box over its base: its type bit, and the constructors that take
// over a template item, plain or bound (the dialog's load and store move the value). The
// kind's own constructor with a sizer completes the style and creates the window.
template <class Base, unsigned TypeBit>
class zListKindOf : public Base {
 public:
  zListKindOf(zWindow* parent, int32_t id) : Base(parent, id) { this->setTypeBit(TypeBit); }
  zListKindOf(zWindow* parent, int32_t id, FLCString* bound, uint32_t flags = 0) : zListKindOf(parent, id) {
    this->bindString(bound, flags);
  }
  zListKindOf(zWindow* parent, int32_t id, int32_t* bound, uint32_t flags = 0) : zListKindOf(parent, id) {
    this->bindIndex(bound, flags);
  }

 protected:
  zListKindOf(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
      : Base(parent, sizer, style, text, id) {
    this->setTypeBit(TypeBit);
  }
};

class zListBoxBase : public zControl {
 public:
  zListBoxBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zListBoxBase(zWindow* parent, int32_t id);
  ~zListBoxBase() override;

  int validate() override;
  int storeData() override;
  int loadData() override;

  int32_t add(const char* text);
  int32_t insert(const char* text, int32_t index);
  int32_t remove(int32_t index);
  void resetContent();
  int32_t addDirectory(uint32_t attributes, const char* spec);
  int32_t count() const;
  // The item's text; empty for an index without item.
  FLCString itemText(int32_t index) const;
  int32_t selection() const;
  void setSelection(int32_t index);
  void clearSelection();
  int32_t selectString(const char* text);
  // The text of the item (-1: the selected one) into *text and 1; 0 without such an item,
  // *text unchanged.
  int selectedText(FLCString* text, int32_t index = -1) const;
  // Bulk fills, with redrawing off while the items go in; each answers 0. From a
  // null-terminated array, the foundation's pointer lists of strings, the framework's
  // lists of strings (FLCString*) and of text objects (zString*), and a resource string
  // block (read from its first string; left rewound).
  int addStrings(const char* const* strings);
  int addStringArray(const char* const* strings) { return addStrings(strings); }
  int addStrings(FLTPtrSlist<FLCString>& strings);
  int addStrings(FLTPtrDlist<FLCString>& strings);
  int addStrings(const zSlist& strings);
  int addTextObjects(const zSlist& texts);
  int addStrings(zResStrBlock& block);

  void bindIndex(int32_t* bound, uint32_t flags = 0) { binding_.bindIndex(bound, flags); }
  void bindString(FLCString* bound, uint32_t flags = 0) { binding_.bindString(bound, flags); }

  // Notification handlers on the parent (LBN_ codes).
  void setSelChangeNotify(const zEventHandler& h) { addCtrlNotify(h, LBN_SELCHANGE); }
  bool removeSelChangeNotify(const zEventHandler& h) { return removeCtrlNotify(h, LBN_SELCHANGE); }
  void setDblClickNotify(const zEventHandler& h) { addCtrlNotify(h, LBN_DBLCLK); }
  bool removeDblClickNotify(const zEventHandler& h) { return removeCtrlNotify(h, LBN_DBLCLK); }
  void setSetFocusNotify(const zEventHandler& h) { addCtrlNotify(h, LBN_SETFOCUS); }
  bool removeSetFocusNotify(const zEventHandler& h) { return removeCtrlNotify(h, LBN_SETFOCUS); }
  void setKillFocusNotify(const zEventHandler& h) { addCtrlNotify(h, LBN_KILLFOCUS); }
  bool removeKillFocusNotify(const zEventHandler& h) { return removeCtrlNotify(h, LBN_KILLFOCUS); }
  void setErrSpaceNotify(const zEventHandler& h) { addCtrlNotify(h, 0xFFFEu); }
  bool removeErrSpaceNotify(const zEventHandler& h) { return removeCtrlNotify(h, 0xFFFEu); }

  int32_t widestItem() const { return widest_; }

 protected:
  // Width of an item: its characters times the average character width of the control.
  int32_t itemWidth(const char* text) const;
  void widenFor(const char* text);
  bool keepsExtent() const;

  zListBinding binding_;
  int32_t widest_;
};

class zListBox : public zListKindOf<zListBoxBase, zTypeListBox> {
 public:
  zListBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  using zListKindOf::zListKindOf;
};

class zListBoxUnsorted : public zListKindOf<zListBoxBase, zTypeListBoxUnsorted> {
 public:
  zListBoxUnsorted(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  using zListKindOf::zListKindOf;
};

class zComboBoxBase : public zControl {
 public:
  zComboBoxBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  zComboBoxBase(zWindow* parent, int32_t id);

  int validate() override;
  int storeData() override;
  int loadData() override;
  int onEraseBackground(zEvent* event) override;
  uint32_t childColor() const override { return childColor_; }
  // -2: the system's colours; -3: the parent's background colour.
  void setChildColor(uint32_t color) { childColor_ = color; }

  int32_t add(const char* text);
  int32_t insert(const char* text, int32_t index);
  int32_t remove(int32_t index);
  int32_t count() const;
  void resetContent();
  int32_t addDirectory(uint32_t attributes, const char* spec);
  FLCString itemText(int32_t index) const;
  void showDropDown();
  void hideDropDown();
  int32_t selection() const;
  void setSelection(int32_t index);
  int32_t selectString(const char* text);
  int selectedText(FLCString* text, int32_t index = -1) const;
  // The edit field's text, at most 199 characters.
  void editText(FLCString* text) const;
  // Bulk fills as the list box's.
  int addStrings(const char* const* strings);
  int addStringArray(const char* const* strings) { return addStrings(strings); }
  int addStrings(FLTPtrSlist<FLCString>& strings);
  int addStrings(FLTPtrDlist<FLCString>& strings);
  int addStrings(const zSlist& strings);
  int addTextObjects(const zSlist& texts);
  int addStrings(zResStrBlock& block);

  void bindIndex(int32_t* bound, uint32_t flags = 0) { binding_.bindIndex(bound, flags); }
  void bindString(FLCString* bound, uint32_t flags = 0) { binding_.bindString(bound, flags); }

  void setSelChangeNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_SELCHANGE); }
  bool removeSelChangeNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_SELCHANGE); }
  void setDblClickNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_DBLCLK); }
  bool removeDblClickNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_DBLCLK); }
  void setSetFocusNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_SETFOCUS); }
  bool removeSetFocusNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_SETFOCUS); }
  void setKillFocusNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_KILLFOCUS); }
  bool removeKillFocusNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_KILLFOCUS); }
  void setEditChangeNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_EDITCHANGE); }
  bool removeEditChangeNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_EDITCHANGE); }
  void setEditUpdateNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_EDITUPDATE); }
  bool removeEditUpdateNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_EDITUPDATE); }
  void setDropDownNotify(const zEventHandler& h) { addCtrlNotify(h, CBN_DROPDOWN); }
  bool removeDropDownNotify(const zEventHandler& h) { return removeCtrlNotify(h, CBN_DROPDOWN); }
  void setErrSpaceNotify(const zEventHandler& h) { addCtrlNotify(h, 0xFFFFu); }
  bool removeErrSpaceNotify(const zEventHandler& h) { return removeCtrlNotify(h, 0xFFFFu); }

 protected:
  // Called by the concrete constructors once the style is complete.
  void createCombo();
  bool isDropDownList() const { return (style_ & 3u) == CBS_DROPDOWNLIST; }

  zListBinding binding_;
  uint32_t childColor_;
};

class zComboBox : public zListKindOf<zComboBoxBase, zTypeComboBox> {
 public:
  zComboBox(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  using zListKindOf::zListKindOf;
};

class zComboBoxFull : public zListKindOf<zComboBoxBase, zTypeComboBoxFull> {
 public:
  zComboBoxFull(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  using zListKindOf::zListKindOf;
};

class zComboBoxStatic : public zListKindOf<zComboBoxBase, zTypeComboBoxStatic> {
 public:
  zComboBoxStatic(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  using zListKindOf::zListKindOf;
};

// Invalidates a window (with erasing); 1. A callback for EnumChildWindows.
BOOL CALLBACK zInvalidateWindowCallback(HWND window, LPARAM unused);
