#include "FramesTestSupport.h"

#include <map>

#include "framework/core/zControlType.h"
#include "framework/layout/zSizer.h"

namespace {

std::map<UINT_PTR, std::function<void()>>& scheduled() {
  static std::map<UINT_PTR, std::function<void()>> work;
  return work;
}

void CALLBACK runScheduled(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = scheduled().find(id);
  if (it == scheduled().end()) return;
  std::function<void()> work = std::move(it->second);
  scheduled().erase(it);
  work();
}

bool deadlineHit = false;
void CALLBACK workDeadlineReached(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  deadlineHit = true;
  PostQuitMessage(99);
}

struct FindByCaption {
  const char* caption;
  HWND found;
};
BOOL CALLBACK matchCaption(HWND window, LPARAM data) {
  FindByCaption* find = reinterpret_cast<FindByCaption*>(data);
  char text[256] = {0};
  GetWindowTextA(window, text, sizeof text);
  if (lstrcmpA(text, find->caption) == 0) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK matchDialogBox(HWND window, LPARAM data) {
  FindByCaption* find = reinterpret_cast<FindByCaption*>(data);
  char cls[16] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (find->caption) {
    char text[256] = {0};
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpA(text, find->caption) != 0) return TRUE;
  }
  find->found = window;
  return FALSE;
}

zWindow* makeRequired(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id) {
  RequiredEdit* edit = new RequiredEdit(parent, sizer, style, title, id);
  edit->create();
  return edit;
}

}  // namespace

int RequiredEdit::storeCount = 0;

void runAfter(unsigned ms, std::function<void()> work) {
  const UINT_PTR id = SetTimer(nullptr, 0, ms, &runScheduled);
  scheduled()[id] = std::move(work);
}

void cancelScheduled() {
  for (auto& entry : scheduled()) KillTimer(nullptr, entry.first);
  scheduled().clear();
}

Deadline::Deadline(unsigned ms) {
  deadlineHit = false;
  timer_ = SetTimer(nullptr, 0, ms, &workDeadlineReached);
}

Deadline::~Deadline() { KillTimer(nullptr, timer_); }

bool Deadline::hit() const { return deadlineHit; }

HWND findThreadWindow(const char* caption) {
  FindByCaption find{caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &matchCaption, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

RequiredEdit::RequiredEdit(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id)
    : zControl(parent, sizer, style, title, id, "edit") {}

int RequiredEdit::validate() { return GetWindowTextLengthA(handle()) > 0 ? 1 : 0; }

int RequiredEdit::storeData() {
  if (!validate()) return 0;
  char text[256] = {0};
  GetWindowTextA(handle(), text, sizeof text);
  if (bound) *bound = text;
  ++storeCount;
  return 1;
}

void registerTestControlTypes() { static zControlType required("zTestEdit", &makeRequired); }

HWND findThreadDialogBox(const char* caption) {
  FindByCaption find{caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &matchDialogBox, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

RECT placeOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
