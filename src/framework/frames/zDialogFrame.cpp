#include "framework/frames/zDialogFrame.h"

#include "foundation/zLists.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/ziDialogReader.h"

namespace {

// The modal dialogs that run, the innermost first.
class zDialogFrameStack : public zSlist {
 public:
  void push(zDialogFrame* dialog) { insert(dialog); }
  zDialogFrame* top() const { return static_cast<zDialogFrame*>(peek()); }
  // Takes the dialog out wherever it stands: a dialog deleted while an inner one still
  // runs leaves no dangling entry behind.
  void remove(zDialogFrame* dialog) {
    zSlist kept;
    while (void* item = get())
      if (item != dialog) kept.append(item);
    join(kept);
  }
};

zDialogFrameStack& modalStack() {
  static zDialogFrameStack stack;
  return stack;
}

zWindow* mainFrame() { return zTheProgram ? zTheProgram->mainFrame() : nullptr; }

void enableWindow(zWindow* window, BOOL on) {
  if (window && IsWindow(window->handle())) EnableWindow(window->handle(), on);
}

}  // namespace

static LRESULT ziDialogFrameProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeDialogFrame) || (window->flags() & zWinDestroying))
    return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zDialogFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziDialogFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziDialogFrameProc", [&] { return ziDialogFrameProcBody(handle, message, wParam, lParam); });
}

void zDialogFrame::initDialog() {
  setTypeBit(zTypeDialogFrame);
  reader_ = nullptr;
  defaultId_ = zNoDefaultId;
  className_ = "DialogFrameCL";
  modal_ = 0;
  savedFocus_ = nullptr;
  deletePending_ = false;
  backColor_ = ziDialogBackground();
}

zDialogFrame::zDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style, int deferCreation)
    : zFrameWin(parent, nullptr, 0, nullptr) {
  initDialog();
  const LPCSTR name = templateId.resourceName();
  id_ = IS_INTRESOURCE(name) ? static_cast<int32_t>(reinterpret_cast<uintptr_t>(name)) : 0;
  reader_ = new ziDialogReader(this, templateId);
  templateError_ = reader_->error();
  style_ = reader_->style();
  text_ = reader_->caption();
  if (reader_->font().isValid()) setFont(reader_->font(), 0);
  reader_->setFrameGeometry(sizer_);
  if (style) style_ = style | (reader_->style() & 0xFFFFu);
  if (!deferCreation) create();
}

zDialogFrame::zDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zFrameWin(parent, sizer, style, title) {
  initDialog();
  if (!deferCreation) create();
}

zDialogFrame::~zDialogFrame() {
  modalStack().remove(this);
  if (ziCurrentModelessDialog == handle_) ziCurrentModelessDialog = nullptr;
  delete reader_;
  // The window goes while the object is still a dialog, so its last messages route here.
  clearFlags(zWinSelfDeleting);
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && IsWindow(handle_)) DestroyWindow(handle_);
  // The class of this object's own goes with it; the application's list of classes to
  // unregister at exit keeps the name, which then unregisters nothing.
  if (handle_) UnregisterClassA(className_, zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr));
}

size_t zDialogFrame::modalDepth() { return modalStack().count(); }

WNDCLASSA* zDialogFrame::classInfo() {
  WNDCLASSA* wc = zWindow::classInfo();
  wc->style = 0;
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  wc->lpfnWndProc = ziDialogFrameProc;
  return wc;
}

void zDialogFrame::create() {
  int32_t width = sizer_->width() == zSizer::unset ? 200 : sizer_->width();
  int32_t height = sizer_->height() == zSizer::unset ? 150 : sizer_->height();
  const bool hasMenu = (reader_ && reader_->hasMenu()) || menu() != nullptr;
  if (style_ & DS_MODALFRAME) exStyle_ |= WS_EX_DLGMODALFRAME;
  if (style_ & WS_CHILD) style_ = (style_ & ~static_cast<uint32_t>(WS_CHILD)) | WS_POPUP;
  ziAddNonClientSize(style_, exStyle_, hasMenu, &width, &height);
  sizer_->setExtent(zDimension(width, height));

  if (WNDCLASSA* wc = classInfo()) ziRegisterOwnClass(this, wc, className_, true);
  const int32_t x = sizer_->origin().x();
  const int32_t y = sizer_->origin().y();
  handle_ =
      CreateWindowExA(exStyle_, className_, nullptr, style_, x, y, width, height, parent_ ? parent_->handle() : nullptr,
                      nullptr, zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), nullptr);
  if (handle_ && zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
  setTitle(text_);

  if ((style_ & WS_SYSMENU) && (style_ & WS_OVERLAPPEDWINDOW) != WS_OVERLAPPEDWINDOW && parent_ && parent_ != this &&
      IsWindow(handle_)) {
    const HMENU system = GetSystemMenu(handle_, FALSE);
    int kept = 0;
    const struct {
      UINT command;
      bool keep;
    } items[] = {
        {SC_SIZE, (style_ & WS_THICKFRAME) != 0},
        {SC_MINIMIZE, (style_ & WS_MINIMIZEBOX) != 0},
        {SC_MAXIMIZE, (style_ & WS_MAXIMIZEBOX) != 0},
        {SC_RESTORE, (style_ & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0},
    };
    for (const auto& item : items) {
      if (item.keep)
        ++kept;
      else
        RemoveMenu(system, item.command, MF_BYCOMMAND);
    }
    RemoveMenu(system, SC_TASKLIST, MF_BYCOMMAND);
    RemoveMenu(system, static_cast<UINT>(kept + 2), MF_BYPOSITION);
    RemoveMenu(system, static_cast<UINT>(kept + 1), MF_BYPOSITION);
  }

  if (reader_) {
    reader_->createControls();
    if (templateError_.empty()) templateError_ = reader_->error();
    defaultId_ = reader_->defaultId();
    if (reader_->hasMenu()) {
      // The menu bar from the template's resource; filled by the menu's owner.
      zMenu* bar = new zMenu(this);
      const HMENU loaded =
          LoadMenuA(zTheProgram ? zTheProgram->instance() : nullptr, MAKEINTRESOURCEA(reader_->menuId()));
      if (loaded) {
        // The entries move over to the bar; submenus change owner, not copied.
        while (GetMenuItemCount(loaded) > 0) {
          char text[100] = {0};
          GetMenuStringA(loaded, 0, text, 99, MF_BYPOSITION);
          const HMENU sub = GetSubMenu(loaded, 0);
          const UINT id = GetMenuItemID(loaded, 0);
          RemoveMenu(loaded, 0, MF_BYPOSITION);
          if (sub)
            AppendMenuA(bar->handle(), MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text);
          else
            AppendMenuA(bar->handle(), MF_STRING, id, text);
        }
        DestroyMenu(loaded);
      }
      setMenu(bar);
    }
    delete reader_;
    reader_ = nullptr;
  }
  // A frame still hidden keeps the first tab stop for its activation: giving the focus
  // now would activate the hidden window and take the activation from another.
  if (IsWindowVisible(handle_))
    ziFocusFirstTabStop(this);
  else
    savedFocus_ = ziFirstTabStop(this);

  ziSizerFromWindow(this);
  if (!font_.isValid() && parent_ && parent_->font().isValid()) setFont(parent_->font(), 0);
}

void zDialogFrame::beforeShow() {}

void zDialogFrame::show(int cmd) {
  if (flags_ & zWinShown) {
    showWindow(cmd);
    return;
  }
  beforeShow();
  setFlags(zWinShown);
  ziCurrentModelessDialog = handle_;
  setTitle(text_);
  ShowWindow(handle_, cmd);
  UpdateWindow(handle_);
  if (cmd) style_ |= WS_VISIBLE;
}

void zDialogFrame::runModal() {
  zDialogFrameStack& stack = modalStack();
  if (stack.top() && IsWindow(stack.top()->handle())) EnableWindow(stack.top()->handle(), FALSE);
  stack.push(this);
  modal_ = 1;
  const HWND remembered = GetFocus();
  if (!ziIsWithin(this, remembered)) SetFocus(handle_);
  zWindow* main = mainFrame();
  if (parent_) {
    enableWindow(parent_, FALSE);
    if (parent_ != main) enableWindow(main, FALSE);
  }
  // A nested run restores the switch of the run around it.
  const int outerModal = zTheProgram ? zTheProgram->modalLoop() : 0;
  if (zTheProgram) {
    zTheProgram->setModalLoop(1);
    zTheProgram->runMessageLoop();
    zTheProgram->setModalLoop(outerModal);
  }
  if (!IsWindow(remembered) || remembered == handle_ || IsChild(handle_, remembered)) {
    if (main && IsWindow(main->handle())) SetFocus(main->handle());
  } else {
    SetFocus(remembered);
  }
  modal_ = 0;
  if (deletePending_) {
    // Ended while modal: deleted now that no code of the run uses it any more.
    if (!(flags_ & zWinGone) && IsWindow(handle_)) {
      setFlags(zWinSelfDeleting);
      PostMessageA(handle_, zMsgDeleteDialog, 0, 0);
    } else {
      delete this;
    }
  }
}

void zDialogFrame::endDialog() {
  zWindow* main = mainFrame();
  if (modal_) {
    zDialogFrameStack& stack = modalStack();
    stack.remove(this);
    if (stack.top() && IsWindow(stack.top()->handle())) {
      EnableWindow(stack.top()->handle(), TRUE);
    } else if (parent_) {
      enableWindow(parent_, TRUE);
      if (parent_ != main) enableWindow(main, TRUE);
    }
  }
  ShowWindow(handle_, SW_HIDE);
  UpdateWindow(handle_);
  if (modal_) PostQuitMessage(0);
  if (flags_ & zWinSelfDeleting) {
    if (modal_)
      deletePending_ = true;
    else
      PostMessageA(handle_, zMsgDeleteDialog, 0, 0);
    return;
  }
  if (main == this && zTheProgram) zTheProgram->quit();
}

int zDialogFrame::onActivate(zEvent* event) {
  if (LOWORD(event->wParam_) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    savedFocus_ = focus && IsChild(handle_, focus) ? focus : nullptr;
  } else if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
    savedFocus_ = nullptr;
  } else if (!ziIsWithin(this, GetFocus())) {
    // Activated without a remembered control: the keyboard goes to the first tab stop.
    ziFocusFirstTabStop(this);
  }
  return 1;
}

int zDialogFrame::onFocus(zEvent* event) {
  if (event->message_ == WM_SETFOCUS) ziFocusFirstTabStop(this);
  return 1;
}

LRESULT zDialogFrame::defProc(zEvent* event) {
  if (event && event->message_ == WM_SYSCOLORCHANGE) {
    setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));
    invalidate(nullptr, 1);
    return 1;
  }
  return zFrameWin::defProc(event);
}

LRESULT zDialogFrame::route(zEvent* event) {
  LRESULT result = 0;
  const uint32_t bits = handlerFlags_;
  if (ziDefaultButtonMessage(this, defaultId_, event, &result)) return result;
  switch (event->message_) {
    case WM_ACTIVATE:
      ziCurrentModelessDialog = event->wParam_ ? handle_ : nullptr;
      return ziRouteEvent(this, event);
    case WM_CLOSE:
      if ((bits & zHandlesClose) && dispatchNotify(event)) return 1;
      result = onClose(event);
      if (result) return result;
      if (modal_) endDialog();
      return defProc(event);
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      setBackgroundColor(zColor::fromColorRef(ziDialogBackground()));
      invalidate(nullptr, 1);
      return defProc(event);
    }
    case WM_NEXTDLGCTL:
      ziNextDialogControl(this, event->wParam_, event->lParam_);
      return 1;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      result = dispatchNotify(event);
      if (!result) result = onMouseButtonDown(event);
      if (!result && (event->message_ == WM_LBUTTONDOWN || event->message_ == WM_NCLBUTTONDOWN))
        ziCloseComboDropDown(this);
      return result ? result : defProc(event);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_NCHITTEST:
      result = dispatchNotify(event);
      return result ? result : defProc(event);
    case WM_MOUSEMOVE:
      if (cursor_.handle()) SetCursor(cursor_.handle());
      if ((bits & zHandlesMouseMove) && dispatchNotify(event)) return 1;
      return defProc(event);
    case zMsgDeleteDialog:
      delete this;
      return 0;
    case WM_DESTROY:
      if (ziCurrentModelessDialog == handle_) ziCurrentModelessDialog = nullptr;
      if (zTheProgram && zTheProgram->mainFrame() == this) {
        if (zTheProgram->taskDev()) zTheProgram->taskDev()->switchOff();
        PostQuitMessage(0);
      }
      return 1;
    case WM_NCDESTROY:
      // A modal dialog whose window goes during its run is deleted when the run ends.
      if (modal_ && (flags_ & zWinSelfDeleting)) {
        clearFlags(zWinSelfDeleting);
        deletePending_ = true;
      }
      return ziNcDestroy(this);
    default:
      return ziRouteEvent(this, event);
  }
}
