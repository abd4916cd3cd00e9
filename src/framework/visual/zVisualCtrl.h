// The windows of the drawn controls. Every drawn control is a child window of the one
// window class "VisualCtrl", registered when the first such window is created, whose
// procedure zVisualCtrlProc routes messages to the object's handler lists and virtual
// handlers. ziCtrlPane owns the window's own display; ziVisualCtrlPane adds the root of a
// tree of visuals that fills the window and receives its painting, sizing, mouse and
// character events (the mouse point converted by the display's origin).
#pragma once

#include <cstdint>

#include "framework/controls/zControl.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "framework/visual/ziVisual.h"

class zWinDisplay;

// Class-type bit of the drawn controls' panes.
constexpr unsigned zTypeCtrlPane = 42;
// Creation kinds of control panes: made by their constructor, or taken over from a template.
constexpr int32_t zKindCtrlPaneCreated = 8;
constexpr int32_t zKindCtrlPaneTakenOver = 9;

LRESULT CALLBACK zVisualCtrlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

class ziCtrlPane : public zControl {
 public:
  // Creates the "VisualCtrl" window at once; SYSTEM_FONT when neither it nor the parent
  // has a font; transparent background mode.
  ziCtrlPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
  // Takes over the "VisualCtrl" window that a dialog template made for the identifier (no
  // object is attached to it yet). Without one the pane stays empty (isEmpty) and a fault
  // is reported.
  ziCtrlPane(zWindow* parent, int32_t id);
  ~ziCtrlPane() override;

  WNDCLASSA* classInfo() override;
  void create() override;
  LRESULT defProc(zEvent* event) override;
  virtual int draw(zEvent* event) = 0;
  // The description of the "VisualCtrl" class, whoever registers it.
  static WNDCLASSA visualCtrlClass();

  zWinDisplay* display() const { return display_; }
  zDisplay** displayRef() { return reinterpret_cast<zDisplay**>(&display_); }

 protected:
  zWinDisplay* display_;
};

class ziVisualCtrlPane : public ziCtrlPane {
 public:
  ziVisualCtrlPane(zWindow* parent, zSizer* sizer, uint32_t style);
  ziVisualCtrlPane(zWindow* parent, int32_t id);
  ~ziVisualCtrlPane() override;

  int onSize(zEvent* event) override;
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onChar(zEvent* event) override;
  int draw(zEvent* event) override;

  ziShellCompound* rootCompound() const { return root_; }
  // Appends the visual to the root and draws it at once.
  void addVisual(ziVisual* visual);
  // The window's sizer takes the client rectangle again and the visuals follow it.
  void relayout();

 protected:
  // Adds the display's origin to the event's point.
  void translate(zEvent* event);

  ziShellCompound* root_;
};

// The creator of template items that name the window class "VisualCtrl" itself: the style
// word cannot say which drawn control the item is, so it makes the bare window only (no
// object, hence a null result), which the dialog's code then takes over with the control it
// means (the takeover constructors of the drawn controls).
zWindow* zCreateVisualCtrlWindow(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
