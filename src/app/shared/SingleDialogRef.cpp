#include "app/shared/SingleDialogRef.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace GUI {

void activateSingleWindow(void* handle) {
#ifdef _WIN32
  HWND window = static_cast<HWND>(handle);
  if (!window || !IsWindow(window)) return;
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  HWND parent = GetParent(window);
  char className[32] = {};
  if (parent && GetClassNameA(parent, className, sizeof className) && lstrcmpiA(className, "MDIClient") == 0) {
    SendMessageA(parent, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  } else {
    SetActiveWindow(window);
  }
  SetFocus(window);
#else
  (void)handle;
#endif
}

}  // namespace GUI
}  // namespace PV
