#include "framework/frames/zDialogFrame.h"

#include "foundation/PointerLists.h"
#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"
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

zDialogFrame::zDialogFrame(zWindow* parent, const zResId& templateId, uint32_t style, int deferCreation)
    : zDialogFrameOf(parent, nullptr, 0u, nullptr) {
  readTemplate(templateId, style);
  if (!deferCreation) create();
}

zDialogFrame::zDialogFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zDialogFrameOf(parent, sizer, style, title) {
  if (!deferCreation) create();
}

zDialogFrame::~zDialogFrame() {
  modalStack().remove(this);
  // The window goes while the object is still a dialog, so its last messages route here.
  // It takes its child windows with it in one step (each control's own DestroyWindow
  // would first hide it and the dialog would be redrawn around it, control by control);
  // the controls' objects then go without windows, as when the system closes a dialog.
  clearFlags(zWinSelfDeleting);
  if (!(flags_ & zWinGone) && IsWindow(handle_)) DestroyWindow(handle_);
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  // The class of this object's own waits for the next dialog of the same description.
  if (handle_) ziReleaseOwnClass(className_, handle_);
}

size_t zDialogFrame::modalDepth() { return modalStack().count(); }

WNDCLASSA* zDialogFrame::classInfo() {
  WNDCLASSA* wc = zDialogFrameOf::classInfo();
  wc->style = 0;
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
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

  if (WNDCLASSA* wc = classInfo()) ziRegisterOwnClass(wc, className_);
  const int32_t x = sizer_->origin().x();
  const int32_t y = sizer_->origin().y();
  handle_ =
      CreateWindowExA(exStyle_, className_, nullptr, style_, x, y, width, height, parent_ ? parent_->handle() : nullptr,
                      nullptr, zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr), nullptr);
  ziSettleOwnClass(handle_, className_);
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

  makeTemplateControls();
  focusFirstTabStopOnceShown();

  ziSizerFromWindow(this);
  if (!font_.isValid() && parent_ && parent_->font().isValid()) setFont(parent_->font(), 0);
}

void zDialogFrame::arrangeFirstShow() {
  ziCurrentModelessDialog = handle_;
  setTitle(text_);
}

void zDialogFrame::runModal() {
  zDialogFrameStack& stack = modalStack();
  if (stack.top() && IsWindow(stack.top()->handle())) EnableWindow(stack.top()->handle(), FALSE);
  stack.push(this);
  // From here on an end (even one that comes with the focus given below) ends this run.
  ended_ = false;
  modal_ = 1;
  const HWND remembered = GetFocus();
  if (!ziIsWithin(this, remembered)) SetFocus(handle_);
  zWindow* main = mainFrame();
  if (parent_ && !ended_) {
    enableWindow(parent_, FALSE);
    if (parent_ != main) enableWindow(main, FALSE);
  }
  // A nested run restores the switch of the run around it.
  const int outerModal = zTheProgram ? zTheProgram->modalLoop() : 0;
  if (zTheProgram) {
    zTheProgram->setModalLoop(1);
    const bool quit = zTheProgram->runNestedLoop(&ended_);
    zTheProgram->setModalLoop(outerModal);
    // The program ends while the dialog runs: the run ends as a cancel would end it, its
    // owners enabled again, and the quit waits for the loop around this one.
    if (quit && !ended_) endDialog();
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
  // The run's own loop ends once the message that ended the dialog is answered and any
  // loop that runs inside it meanwhile (a box, another dialog) has ended.
  if (modal_) ended_ = true;
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
  // A top-level frame is activated before anything in it has the focus: the remembered
  // control gets it back here and is forgotten.
  if (LOWORD(event->wParam_) == WA_INACTIVE) {
    rememberFocusedControl();
  } else if (savedFocus_ && IsWindow(savedFocus_)) {
    SetFocus(savedFocus_);
    savedFocus_ = nullptr;
  } else if (!ziIsWithin(this, GetFocus())) {
    // Activated without a remembered control: the keyboard goes to the first tab stop.
    ziFocusFirstTabStop(this);
  }
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

void zDialogFrame::takeTemplateMenu(uint32_t menuId) {
  // The menu bar from the template's resource; filled by the menu's owner.
  zMenu* bar = new zMenu(this);
  const HMENU loaded = LoadMenuA(zTheProgram ? zTheProgram->instance() : nullptr, MAKEINTRESOURCEA(menuId));
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
  // The bar went onto the window while still empty; laid out again with its entries, it
  // takes its room from the client, which keeps the template's extent.
  bar->redraw();
}

void zDialogFrame::onCloseUnanswered() {
  if (modal_) endDialog();
}

bool zDialogFrame::routeOwnMessage(zEvent* event, LRESULT* result) {
  if (event->message_ != WM_NCDESTROY) return false;
  // A modal dialog whose window goes during its run is deleted when the run ends.
  if (modal_ && (flags_ & zWinSelfDeleting)) {
    clearFlags(zWinSelfDeleting);
    deletePending_ = true;
  }
  *result = ziNcDestroy(this);
  return true;
}
