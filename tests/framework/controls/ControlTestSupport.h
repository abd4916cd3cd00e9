// Support for the controls suite: a raw dialog made by CreateDialog from the suite's
// windres template, wrapped in a framework window so that controls can take its items
// over; a child pane with the framework's routing; the Ctrl key held for a while.
#pragma once

#include "GuiTestSupport.h"
#include "framework/core/zChildWin.h"
#include "framework/core/zProgramFrame.h"
#include "framework/layout/zSizer.h"

// A fixed place for a control: x, y, width and height.
inline zSizer* at(int x, int y, int w, int h) { return new zSizer(zPoint(x, y), zDimension(w, h), nullptr); }

// A modeless dialog from a template in the suite's resources, child of the frame. Its
// WM_COMMAND goes to the host's handler lists, as a dialog frame's would.
class DialogHost : public zChildWin {
 public:
  DialogHost(zWindow* frame, int templateId);
  ~DialogHost() override;
  static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

// A child window routed by the framework (the program frame's procedure).
class RoutedChild : public zChildWin {
 public:
  RoutedChild(zWindow* parent, int32_t id, const zRect& rect, uint32_t style = WS_VISIBLE);
  WNDCLASSA* classInfo() override;
  int preferredSize(zDimension* size) override;
  zDimension contents;
  bool hasContents = false;
};

// Holds Ctrl down in the thread's keyboard state while it lives.
class CtrlHeld {
 public:
  CtrlHeld();
  ~CtrlHeld();

 private:
  BYTE saved_[256];
};

// The Windows style of a window as it stands.
uint32_t nativeStyle(HWND window);
