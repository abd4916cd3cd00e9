// The base of every framework window: frames, MDI windows, dialogs, panes and controls.
// The object exists before its native window: constructors only fill fields, the
// frame and child classes' create() makes the window, which enters the window map after
// CreateWindowEx returns. Events reach the virtual handlers below through the window
// procedures, after the handlers registered at run time.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "foundation/PointerLists.h"
#include "framework/core/zCursor.h"
#include "framework/core/zEvH.h"
#include "framework/core/zNotifyNode.h"
#include "framework/draw/zRCFont.h"
#include "framework/layout/zSizer.h"

class zIcon;
class zScrollInfo;
class zScrollerBase;
class zWindow;

// Window flags.
constexpr uint16_t zWinSelfDeleting = 0x0001;    // deletes itself at WM_NCDESTROY
constexpr uint16_t zWinGone = 0x0002;            // the native window is gone
constexpr uint16_t zWinShown = 0x0004;           // shown once
constexpr uint16_t zWinOwnsFontObject = 0x0200;  // the font object is this window's to delete
constexpr uint16_t zWinDestroying = 0x8000;      // the object's destructor is running

// Handler-flag bits: the window (or its menu) has registered handlers for the group, and
// the window procedure searches the lists before the virtual handler.
constexpr uint32_t zHandlesCursor = 0x0002;      // WM_SETCURSOR
constexpr uint32_t zHandlesHitTest = 0x0004;     // WM_NCHITTEST
constexpr uint32_t zHandlesMenu = 0x0008;        // WM_COMMAND, WM_INITMENU, WM_MENUSELECT
constexpr uint32_t zHandlesButtonUp = 0x0010;    // WM_LBUTTONUP, WM_RBUTTONUP
constexpr uint32_t zHandlesMouseMove = 0x0020;   // WM_MOUSEMOVE
constexpr uint32_t zHandlesActivate = 0x0040;    // WM_ACTIVATE
constexpr uint32_t zHandlesClose = 0x0080;       // WM_CLOSE
constexpr uint32_t zHandlesButtonDown = 0x0100;  // WM_[LR]BUTTONDOWN, WM_[LR]BUTTONDBLCLK
constexpr uint32_t zHandlesFocus = 0x0200;       // WM_SETFOCUS, WM_KILLFOCUS

// Background colours with a meaning of their own.
constexpr uint32_t zBackDefault = 0xFFFFFFFEu;  // -2: default processing erases
constexpr uint32_t zBackParent = 0xFFFFFFFDu;   // -3: the parent's colour applies

// The child windows of a window in order of construction; the list does not own them.
class zWindowDlist : public zPlist {
 public:
  zWindowDlist() = default;
  ~zWindowDlist() override;
  void append(zWindow* window) { zPlist::append(window); }
  // The link of the window's child list that holds the first child with the identifier;
  // null when none. A pane or control that takes over a child made from a template is put
  // into that link in its place, so the order of the children (tab order) stays.
  static zPlink* findWindowById(zWindow* window, int32_t id);
};

class zWindowDlistIter : public zPListIter {
 public:
  explicit zWindowDlistIter(zWindowDlist* list) : zPListIter(list) {}
  zWindow* next() { return static_cast<zWindow*>(zPListIter::next()); }
};

// zSizerWindow second, so that a zWindow pointer and its zEvH base share one address.
class zWindow : public zEvH, public zSizerWindow {
 public:
  // Without a parent; a null sizer gets one of the window's own.
  zWindow(zSizer* sizer, uint32_t style);
  zWindow(zWindow* parent, zSizer* sizer, uint32_t style);
  // With a sizer of its own, placed under the parent window's sizer.
  explicit zWindow(zWindow* parent);
  zWindow();
  zWindow(const zWindow&) = delete;
  zWindow& operator=(const zWindow&) = delete;
  ~zWindow() override;

  // ---- virtual operations
  // 1 defProc is zEvH's.
  // A new window-class description; the caller frees it. Null: no class to register.
  virtual WNDCLASSA* classInfo();
  virtual void layoutChildren(zEvent* event);
  virtual int onActivate(zEvent* event);
  virtual int onSize(zEvent* event);
  virtual int onMove(zEvent* event);
  virtual int onClose(zEvent* event);
  virtual int onCommand(zEvent* event);
  virtual int onScroll(zEvent* event);
  virtual int onMouseMove(zEvent* event);
  virtual int onMouseButtonUp(zEvent* event);
  virtual int onMouseButtonDown(zEvent* event);
  virtual int onFocus(zEvent* event);
  virtual int onEraseBackground(zEvent* event);
  virtual void showWindow(int cmd);
  virtual int preferredSize(zDimension* size);
  virtual uint32_t setBackgroundColor(const zColor& color);
  // The first show: the kind's preparation, then the window counts as shown, the kind
  // arranges it, the system shows it, the kind follows up, and it is painted and marked
  // visible (a window without a native window stops after the arrangement). Later shows
  // are the system's alone (showAgain). Kinds change the steps, never the order.
  virtual void show(int cmd);
  // Data exchange over the window's children; the dialog classes give them their meaning.
  virtual int validate();
  virtual int storeData();
  virtual int focusInvalid(zWindow* window);
  virtual void childFocusChanged(zWindow* previous, zWindow* current);
  // Sets the shared font and hands it down the whole tree of children.
  virtual void setFont(const zRCFont& font, int redraw = 0);
  // One font object for the whole tree: the window owns it unless its parent holds the same
  // object; the previous object is deleted once, by its owner. Null clears the subtree.
  virtual void setFont(zFont* font, int redraw = 0);
  virtual void setGeometry(int32_t x, int32_t y, int32_t width, int32_t height);

  // ---- what the sizer needs of its window
  bool sizerWindowLive() const override;
  zDimension sizerClientSize() const override;
  // Through the virtual setGeometry.
  void sizerMoveSize(int32_t x, int32_t y, int32_t width, int32_t height) override;
  bool sizerIsComboBox() const override;
  zSizer* sizerOfParentWindow() const override;
  void sizerReplaced(zSizer* from, zSizer* to) override;

  // ---- plain operations
  HWND handle() const { return handle_; }
  zWindow* parent() const { return parent_; }
  zSizer* sizer() const { return sizer_; }
  uint16_t flags() const { return flags_; }
  void setFlags(uint16_t bits) { flags_ = static_cast<uint16_t>(flags_ | bits); }
  void clearFlags(uint16_t bits) { flags_ = static_cast<uint16_t>(flags_ & ~bits); }
  // The object deletes itself when its window receives WM_NCDESTROY.
  void setSelfDeleting() { setFlags(zWinSelfDeleting); }
  uint32_t handlerFlags() const { return handlerFlags_; }
  void addHandlerFlags(uint32_t bits) { handlerFlags_ |= bits; }
  uint32_t backColor() const { return backColor_; }
  // Stores a native colour value as it stands, the special values -2 and -3 included.
  void setBackColor(uint32_t value) { backColor_ = value; }
  const zRCFont& font() const { return font_; }
  const FLCString& text() const { return text_; }
  const FLCString& className() const { return className_; }
  zCursor& cursor() { return cursor_; }
  // The window's cursor, shown at once when it has one (and again at every mouse move).
  void setCursor(const zCursor& cursor);
  // The class takes the icon (the object is deleted); null sets none.
  void setIcon(zIcon* icon);
  // The stored class style, style and extended style applied to the live window.
  void updateClassStyle();
  void updateStyle();
  void updateExStyle();
  zWindowDlist& children() { return children_; }
  zScrollInfo* vertScroll() const { return vertScroll_; }
  zScrollInfo* horzScroll() const { return horzScroll_; }
  // Takes ownership of the scroll information (the previous one is freed).
  void setVertScroll(zScrollInfo* info);
  void setHorzScroll(zScrollInfo* info);
  // The scroll information of a scroll-bar control, which its parent's WM_VSCROLL and
  // WM_HSCROLL move; null for every other window.
  virtual zScrollInfo* scrollInfo() { return nullptr; }
  // The colours the parent answers WM_CTLCOLOR* with for this window: true for a control,
  // with its text colour and its background brush (0 for none); false for other windows,
  // which get the system's window text colour and no brush.
  virtual bool controlColors(uint32_t* /*textColor*/, HBRUSH* /*brush*/) const { return false; }

  void enable() { EnableWindow(handle_, TRUE); }
  void disable() { EnableWindow(handle_, FALSE); }
  int isEnabled() const { return IsWindowEnabled(handle_) ? 1 : 0; }
  int isIconic() const { return IsIconic(handle_) ? 1 : 0; }
  int isZoomed() const { return IsZoomed(handle_) ? 1 : 0; }
  int isVisible() const { return IsWindowVisible(handle_) ? 1 : 0; }
  void windowRect(zRect& rect) const;
  void clientToScreenRect(int flag, zRect& rect) const;
  zWindow* childById(int32_t id);
  int removeChild(zWindow* child);
  void setScroller(zScrollerBase* scroller) { scroller_ = scroller; }
  zScrollerBase* scroller() const { return scroller_; }
  int32_t id() const { return id_; }
  uint32_t style() const { return style_; }
  void setStyleBits(uint32_t bits) { style_ |= bits; }
  void clearStyleBits(uint32_t bits) { style_ &= ~bits; }
  uint32_t exStyle() const { return exStyle_; }
  void setExStyle(uint32_t exStyle) { exStyle_ = exStyle; }
  void setClassStyle(uint16_t classStyle) { classStyle_ = classStyle; }
  bool sizerIsUnset() const;
  void moveToRect(const zRect& rect);
  // The window after (before) this one among its parent's children; the window itself
  // without a parent, when it is not listed, or at the end (start) of the list.
  zWindow* nextSibling();
  zWindow* prevSibling();

  // ---- handlers registered at run time
  // The general list (ids 0-65535, this window's handle as filter).
  void addNotifyHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void addNotifyHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    addNotifyHandler(zEventHandler(object, member), message);
  }
  // Removes the first node that matches {message, wParam 0, this window} and is the handler.
  void removeNotifyHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void removeNotifyHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    removeNotifyHandler(zEventHandler(object, member), message);
  }
  // As addNotifyHandler, and sets the handler-flag bit of the message's group.
  void addMessageHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void addMessageHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    addMessageHandler(zEventHandler(object, member), message);
  }
  // Removes the first node that accepts {message, wParam 0, this window} and is the
  // handler; the handler-flag bits stay.
  void removeMessageHandler(const zEventHandler& handler, UINT message);
  template <class T, class C>
  void removeMessageHandler(T* object, int (C::*member)(zEvent*), UINT message) {
    removeMessageHandler(zEventHandler(object, member), message);
  }
  // A node for one of this window's own lists (the window owns it): general or command.
  void appendOwnNotifyNode(zNotifyNode* node);
  void appendCommandNode(zNotifyNode* node);
  // Control notifications arrive at the parent, so these put their nodes into the parent's
  // lists. Without a parent the node is freed and nothing is registered.
  void appendNotifyNode(zNotifyNode* node);
  // WM_COMMAND with this control's identifier, in the parent's general list.
  void addCommandNotify(const zEventHandler& handler);
  template <class T, class C>
  void addCommandNotify(T* object, int (C::*member)(zEvent*)) {
    addCommandNotify(zEventHandler(object, member));
  }
  // Removes the first node of the parent's general list equal to the node in every field.
  void removeCommandNotify(const zNotifyNode& node);
  // Removes the first WM_COMMAND node of this control's identifier that is the handler.
  void removeCommandNotifyFor(const zEventHandler& handler);
  template <class T, class C>
  void removeCommandNotifyFor(T* object, int (C::*member)(zEvent*)) {
    removeCommandNotifyFor(zEventHandler(object, member));
  }
  // One notification code of this control, in the parent's command list.
  void addCtrlNotify(const zEventHandler& handler, uint32_t code);
  void removeCtrlNotify(const zEventHandler& handler, uint32_t code);

  // Fills every child from its bound data (loadData of child windows); returns 1.
  int loadChildren();
  // Fills the window with the controls of a dialog template; the window's own style,
  // caption and geometry stay.
  void createControlsFromDialog(const class zResId& templateId);
  // Centres the window over its parent (flag set and a parent present) or the screen.
  void center(int overParent);
  // WM_SETFOCUS and WM_KILLFOCUS: tells the ancestors (on a gain) and remembers the window.
  void notifyFocusToParents(bool gained);
  static zWindow* lastFocused() { return lastFocused_; }
  static void forgetLastFocused(zWindow* window) {
    if (lastFocused_ == window) lastFocused_ = nullptr;
  }
  zFont* fontObject() const { return fontObject_; }
  void setText(const char* text) { text_ = text ? text : ""; }
  // Stores the text and shows it in the live window.
  void setTextString(const FLCString& text) {
    text_ = text;
    if (IsWindow(handle_)) SetWindowTextA(handle_, text_);
  }
  void setId(int32_t id) { id_ = id; }
  void setStyle(uint32_t style) { style_ = style; }
  int isDestroyed() const { return (flags_ & zWinGone) ? 1 : 0; }
  // Sets or clears the self-delete flag; returns the flag given.
  int deleteOnClose(int on) {
    if (on)
      setFlags(zWinSelfDeleting);
    else
      clearFlags(zWinSelfDeleting);
    return on;
  }
  uint32_t backColorRef() const { return backColor_; }
  void moveSize(int32_t x, int32_t y, int32_t w, int32_t h) { setGeometry(x, y, w, h); }
  void setFocus() {
    if (IsWindow(handle_)) SetFocus(handle_);
  }
  void invalidate(const RECT* rect = nullptr, int erase = 1) {
    if (IsWindow(handle_)) InvalidateRect(handle_, rect, erase ? TRUE : FALSE);
  }
  void repaint(const RECT* rect = nullptr, int erase = 1) { invalidate(rect, erase); }
  // The client rectangle; false (the rectangle untouched) while there is no live window.
  bool getClientRect(zRect& rect) const {
    RECT r;
    if (!IsWindow(handle_) || !GetClientRect(handle_, &r)) return false;
    rect.assign(r);
    return true;
  }
  void setCapture() { SetCapture(handle_); }
  void releaseCapture() { ReleaseCapture(); }
  // Confines the cursor to a rectangle of the screen; null frees it.
  static void clipCursor(const zRect* screen) {
    if (!screen) {
      ClipCursor(nullptr);
      return;
    }
    const RECT r = screen->toRECT();
    ClipCursor(&r);
  }
  uint32_t applyBackgroundColor(const zColor& color) { return setBackgroundColor(color); }
  // One handler for both WM_LBUTTONDOWN and WM_RBUTTONDOWN.
  void addButtonDownHandler(const zEventHandler& handler) {
    addMessageHandler(handler, WM_LBUTTONDOWN);
    addMessageHandler(handler, WM_RBUTTONDOWN);
  }
  template <class T, class C>
  void addButtonDownHandler(T* object, int (C::*member)(zEvent*)) {
    addButtonDownHandler(zEventHandler(object, member));
  }
  zNotifyNodeDlist* notifyList() const { return notifyList_; }
  zNotifyNodeDlist* commandList() const { return commandList_; }

  // The general list, then the application's list: 1 when a node answered nonzero.
  int dispatchNotify(zEvent* event);
  // The command list, then dispatchNotify.
  int dispatchNotify2(zEvent* event);

 protected:
  // The steps of show() that kinds of window take their own way; each does nothing here
  // but showAgain, which asks the system to show the window.
  virtual void showAgain(int cmd);
  // Before the first show, while the window does not count as shown yet.
  virtual void prepareFirstShow() {}
  // Once it counts as shown, before the system shows it: title, layout, styles.
  virtual void arrangeFirstShow() {}
  // Right after the system first shows it, before it is painted.
  virtual void onFirstShown(int /*cmd*/) {}

  // Registers the description (when there is one) and records its name with the
  // application; frees the description. Returns the class name to create the window with.
  void registerWindowClass(bool onceOnly);
  // Creates the native window with CreateWindowEx and enters it in the window map.
  void createNative(HWND parentHandle, HMENU menuOrId, const char* title);
  // A child created after its parent takes the parent's font when it has none.
  void inheritParentFont();
  // Takes another child's place among the parent's children (the order, and with it the
  // tab order, stays), its native window and what describes it (identifier, text, styles,
  // class name, cursor, colour, scroll states, scroller, font). The other object is left
  // empty, without a parent and marked gone, so that deleting it destroys no window.
  void takePlaceOf(zWindow* from);

  uint16_t flags_;
  zRCFont font_;
  FLCString text_;
  int32_t id_;
  uint32_t handlerFlags_;
  zSizer* sizer_;
  uint32_t style_;
  uint32_t exStyle_;
  FLCString className_;
  zCursor cursor_;
  uint32_t backColor_;
  uint16_t classStyle_;
  zScrollInfo* vertScroll_;
  zScrollInfo* horzScroll_;
  zNotifyNodeDlist* notifyList_;
  zNotifyNodeDlist* commandList_;
  zWindowDlist children_;
  zWindow* parent_;
  zScrollerBase* scroller_;
  HWND handle_;
  zFont* fontObject_;

 private:
  static zWindow* lastFocused_;
  void initDefaults(uint32_t style);
  friend LRESULT ziRouteEvent(zWindow* window, zEvent* event);
  friend LRESULT ziNcDestroy(zWindow* window);
};
