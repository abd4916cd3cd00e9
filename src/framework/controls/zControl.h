// The base of the standard controls: a child window of a system control class ("static",
// "button", "edit", "listbox", "combobox", "scrollbar", or a registered superclass for
// zGenericControl). The framework creates the native control and subclasses it with
// zControlProc, which routes each message to the handlers registered on the control, then
// to its virtual handlers, and passes what is left to the class's own procedure.
//
// A control can also take over a native control that already exists (a dialog template
// item): the takeover constructor (parent, identifier) takes the place and state of the
// placeholder object with that identifier, or, when the parent has none, of the parent's
// native child with that identifier. When there is neither, the object stays empty (no
// handle) and the fault is reported (zControlReport.h); an empty control answers every
// operation harmlessly. A CreateWindowEx that fails is reported the same way.
#pragma once

#include "foundation/Geometry.h"
#include "framework/core/zChildWin.h"
#include "framework/core/zNotifyNode.h"

class zSuperClass;

// The brush that controls answer WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX of their own
// children with (a combo box's edit and list); one for the program, replaced at every such
// message; the application deletes the last one at exit.
extern HBRUSH ziControlBackgroundBrush;
// Deletes the controls' background brush (the application object's end).
void zReleaseControlBrush();

// What kind of native control an object stands for.
enum zControlKind : int32_t {
  zKindButton = 0,
  zKindListBox = 1,
  zKindScrollBar = 2,
  zKindStatic = 3,
  zKindEdit = 4,
  zKindComboBox = 5,
  zKindPlain = 6,
  zKindGeneric = 7,
  zKindNoTakeover = 8,  // a template item that no control may take over
};

// While one lives, the next control constructed with a style keeps exactly that style
// (with WS_CHILD) when its window is created: a dialog template's item states the whole
// style, which the typed constructors would otherwise complete with bits of their own
// (a check box made automatic, a combo box given a border). The dialog template reader
// holds one around each item it makes; the control that takes the style clears it.
class zTemplateStyle {
 public:
  explicit zTemplateStyle(uint32_t style);
  zTemplateStyle(const zTemplateStyle&) = delete;
  zTemplateStyle& operator=(const zTemplateStyle&) = delete;
  ~zTemplateStyle();
};

class zControl : public zChildWin {
 public:
  // A new control; the concrete class (or the caller) calls create(). A style of 0 means
  // WS_TABSTOP alone; a null text an empty one. windowsClass names the system class for
  // controls made from this base directly (null: "CtrlWindowCL", for the concrete classes
  // to replace).
  zControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id,
           const char* windowsClass = nullptr);
  // Takes over the template item with the identifier (see above).
  zControl(zWindow* parent, int32_t id);
  ~zControl() override;

  // No class to register: the system class exists.
  WNDCLASSA* classInfo() override;
  // CreateWindowEx of the stored class, style and text at the sizer's rectangle, then the
  // window map and the subclassing; the parent's font. Without WS_CLIPSIBLINGS.
  void create() override;
  // CallWindowProc to the class's own procedure (DefWindowProc without one).
  LRESULT defProc(zEvent* event) override;
  // Stores the colour and makes the control's background brush of it.
  uint32_t setBackgroundColor(const zColor& color) override;

  // The text of the native control; the stored text while there is none.
  FLCString text() const;
  void setText(const char* text);
  void setText(const FLCString& text) { setText(static_cast<const char*>(text)); }

  // The colour of the control's text, set at WM_CTLCOLOR time by whoever answers it.
  const zColor& textColor() const { return textColor_; }
  void setTextColor(const zColor& color) { textColor_ = color; }
  HBRUSH backgroundBrush() const { return brush_; }
  // Colour of the control's own children (a combo box's edit and list); -2 for none.
  virtual uint32_t childColor() const { return 0xFFFFFFFEu; }
  // The control's text colour and background brush.
  bool controlColors(uint32_t* textColor, HBRUSH* brush) const override {
    *textColor = textColor_.colorRef();
    *brush = brush_;
    return true;
  }
  WNDPROC classProcedure() const { return savedProc_; }
  int32_t kind() const { return kind_; }
  // The template placeholder this control took over and keeps; null when none.
  zWindow* adopted() const { return adopted_; }
  // No native control: creation failed or the takeover found nothing.
  bool isEmpty() const { return handle_ == nullptr; }

  // Posts WM_COMMAND (id, code, the control's window) to the parent.
  void notifyParent(uint32_t code);
  // A handler for one notification code of this control on the parent's command list.
  void addCtrlNotify(const zEventHandler& handler, uint32_t code);
  // Removes the first such node; true when there was one.
  bool removeCtrlNotify(const zEventHandler& handler, uint32_t code);

 protected:
  // Subclasses the native window and enters it in the window map.
  void attachNative();
  // The first show lays the control out in its parent (a control without its window
  // goes no further).
  void arrangeFirstShow() override;

  zColor textColor_;
  zWindow* adopted_;
  HBRUSH brush_;
  WNDPROC savedProc_;
  int32_t kind_;
  // The style of the template item the control was made from; valid when keepsStyle_.
  uint32_t templateStyle_;
  bool keepsStyle_;

 private:
  void initControl();
  void takeOver(int32_t id);
  void takeOverPlaceholder(zWindow* placeholder);
  void takeOverNative(HWND native);
};

// A control of a class that the program registered as a superclass (zProgram::
// registerSuperClass). A class name without a record creates nothing (reported).
class zGenericControl : public zControl {
 public:
  zGenericControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id, const char* className,
                  HMODULE module = nullptr);
  zGenericControl(zWindow* parent, int32_t id);
  ~zGenericControl() override;

  void create() override;
  LRESULT defProc(zEvent* event) override;

 private:
  zSuperClass* superClass_;
  HMODULE module_;
};

// The procedure that controls are subclassed with.
LRESULT CALLBACK zControlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

// The framework's private messages of controls.
constexpr UINT zMsgEditEnter = 0x900;  // to an edit's parent: Enter in a single-line edit
