// The notice the main window sends to each of its MDI children once the application
// options have changed and been saved: a model window that follows an option (the
// scoring pane's highlight, the editors' table navigation, the solution window's
// defaults) reads it anew from the application-options file when it gets this message.
// wParam and lParam are 0; the answer is ignored.
#pragma once

#include <windows.h>

namespace PV {
namespace App {

constexpr UINT kAppOptionsChangedMessage = WM_APP + 0x41;

}  // namespace App
}  // namespace PV
