#include "framework/frames/zDialogFrameOf.h"

#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/frames/ziDialogReader.h"

namespace {

// What tells the two kinds of dialog frame apart for their window class and procedure.
template <class Base>
struct DialogKind;

template <>
struct DialogKind<zFrameWin> {
  static constexpr unsigned typeBit = zTypeDialogFrame;
  static constexpr const char* className = "DialogFrameCL";
  static constexpr const char* procedure = "ziDialogFrameProc";
  static LRESULT unrouted(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle, message, wParam, lParam);
  }
};

template <>
struct DialogKind<zMDIChildFrame> {
  static constexpr unsigned typeBit = zTypeMDIDialogFrame;
  static constexpr const char* className = "MDIdialogCL";
  static constexpr const char* procedure = "ziMDIDialogProc";
  // An MDI child's window without its object still owes the MDI client the default answers.
  static LRESULT unrouted(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(handle, message, wParam, lParam);
  }
};

}  // namespace

template <class Base>
LRESULT CALLBACK zDialogFrameOf<Base>::windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  using Kind = DialogKind<Base>;
  return ziFromSystem(Kind::procedure, [&]() -> LRESULT {
    zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
    if (!window || !window->hasTypeBit(Kind::typeBit) || (window->flags() & zWinDestroying))
      return Kind::unrouted(handle, message, wParam, lParam);
    zEvent event(lParam, wParam, message, handle);
    return static_cast<zDialogFrameOf*>(window)->route(&event);
  });
}

template <class Base>
void zDialogFrameOf<Base>::initDialog() {
  this->setTypeBit(DialogKind<Base>::typeBit);
  this->className_ = DialogKind<Base>::className;
  this->backColor_ = ziDialogBackground();
  reader_ = nullptr;
  savedFocus_ = nullptr;
  defaultId_ = zNoDefaultId;
}

template <class Base>
zDialogFrameOf<Base>::~zDialogFrameOf() {
  delete reader_;
  reader_ = nullptr;
  if (ziCurrentModelessDialog == this->handle_) ziCurrentModelessDialog = nullptr;
}

template <class Base>
void zDialogFrameOf<Base>::readTemplate(const zResId& templateId, uint32_t style) {
  const LPCSTR name = templateId.resourceName();
  this->id_ = IS_INTRESOURCE(name) ? static_cast<int32_t>(reinterpret_cast<uintptr_t>(name)) : 0;
  reader_ = new ziDialogReader(this, templateId);
  templateError_ = reader_->error();
  this->style_ = reader_->style();
  this->text_ = reader_->caption();
  if (reader_->font().isValid()) this->setFont(reader_->font(), 0);
  reader_->setFrameGeometry(this->sizer_);
  if (style) this->style_ = style | (reader_->style() & 0xFFFFu);
}

template <class Base>
void zDialogFrameOf<Base>::makeTemplateControls() {
  if (!reader_) return;
  reader_->createControls();
  if (templateError_.empty()) templateError_ = reader_->error();
  defaultId_ = reader_->defaultId();
  if (reader_->hasMenu()) takeTemplateMenu(reader_->menuId());
  delete reader_;
  reader_ = nullptr;
}

template <class Base>
void zDialogFrameOf<Base>::focusFirstTabStopOnceShown() {
  // Giving the focus to a hidden frame would activate it and take the activation from
  // another window.
  if (IsWindowVisible(this->handle_))
    ziFocusFirstTabStop(this);
  else
    savedFocus_ = ziFirstTabStop(this);
}

template <class Base>
void zDialogFrameOf<Base>::rememberFocusedControl() {
  const HWND focus = GetFocus();
  savedFocus_ = focus && IsChild(this->handle_, focus) ? focus : nullptr;
}

template <class Base>
WNDCLASSA* zDialogFrameOf<Base>::classInfo() {
  WNDCLASSA* wc = this->zWindow::classInfo();
  wc->lpfnWndProc = windowProc;
  return wc;
}

template <class Base>
void zDialogFrameOf<Base>::beforeShow() {}

template <class Base>
int zDialogFrameOf<Base>::onFocus(zEvent* event) {
  if (event->message_ != WM_SETFOCUS) return 1;
  if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
    savedFocus_ = nullptr;
  } else {
    ziFocusFirstTabStop(this);
  }
  return 1;
}

template <class Base>
LRESULT zDialogFrameOf<Base>::route(zEvent* event) {
  LRESULT result = 0;
  if (ziDefaultButtonMessage(this, defaultId_, event, &result)) return result;
  if (routeOwnMessage(event, &result)) return result;
  const HWND handle = this->handle_;
  switch (event->message_) {
    case WM_ACTIVATE:
      ziCurrentModelessDialog = event->wParam_ ? handle : nullptr;
      return ziRouteEvent(this, event);
    case WM_CLOSE:
      if ((this->handlerFlags_ & zHandlesClose) && this->dispatchNotify(event)) return 1;
      result = this->onClose(event);
      if (result) return result;
      onCloseUnanswered();
      return this->defProc(event);
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&this->children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      // The face colour may be another one now.
      this->setBackgroundColor(zColor::fromColorRef(ziDialogBackground()));
      this->invalidate(nullptr, 1);
      return this->defProc(event);
    }
    case WM_NEXTDLGCTL:
      ziNextDialogControl(this, event->wParam_, event->lParam_);
      return 1;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      // A click anywhere in the dialog, even on its frame, closes an open combo box list.
      ziCloseComboDropDown(this);
      return ziRouteEvent(this, event);
    case WM_DESTROY:
      if (ziCurrentModelessDialog == handle) ziCurrentModelessDialog = nullptr;
      if (zTheProgram && zTheProgram->mainFrame() == this) {
        if (zTheProgram->taskDev()) zTheProgram->taskDev()->switchOff();
        PostQuitMessage(0);
      }
      if (this->dispatchNotify(event)) return 0;
      return this->defProc(event);
    case zMsgDeleteDialog:
      delete this;
      return 0;
    default:
      return ziRouteEvent(this, event);
  }
}

template class zDialogFrameOf<zFrameWin>;
template class zDialogFrameOf<zMDIChildFrame>;
