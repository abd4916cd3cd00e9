// What the MDI windows and the dialog frames share: a window class of each object's own
// (no two windows that live at once share one), the private messages that frames post to
// the main MDI frame, and the keyboard navigation and default-button handling of dialogs.
#pragma once

#include <cstdint>

#include "framework/controls/zControl.h"
#include "framework/core/zWindow.h"

// Private messages of the frames.
// zMsgEditEnter (0x900, Enter in an edit control) is the controls' own.
constexpr UINT zMsgDeleteDialog = 0x901;    // a self-deleting dialog frame deletes itself
constexpr UINT zMsgMergeMenu = 0x902;       // merge or remove an MDI child's menu
constexpr UINT zMsgDeferredDelete = 0x903;  // delete a window object once its window is gone
constexpr uint32_t zNoDefaultId = 0xFFFF;

// Gives the window a class of its own for its description (which it frees) and sets
// className to its name, the base name followed by a number. Each window has a class of its
// own because its icon and class style are set on the class (zWindow::setIcon). A class
// that a window gone before gave back is taken again when its description is the same
// (registering and unregistering a class costs more than the window it serves); its icon
// is then put back by ziSettleOwnClass once the window exists, before it shows. Every class
// joins the application's list of classes unregistered at exit.
void ziRegisterOwnClass(WNDCLASSA* description, FLCString& className);
// After the window of a class from ziRegisterOwnClass is made: a class taken again gets the
// icon of its description back (the window before may have set another one).
void ziSettleOwnClass(HWND window, const FLCString& className);
// The object of the class's window goes: once the window is gone, the class waits for the
// next window of its description. A name that ziRegisterOwnClass did not give is
// unregistered.
void ziReleaseOwnClass(const FLCString& className, HWND window);

// Whether the program has a window class of that name now. Classes registered once per
// process are looked up rather than remembered: the application unregisters its classes
// when it ends, and a later application object in the same process registers them again.
bool ziClassRegistered(const char* name);

// WM_NEXTDLGCTL of a dialog whose controls are the window's children (in list order).
void ziNextDialogControl(zWindow* frame, WPARAM wParam, LPARAM lParam);
// Gives the focus to the first enabled tab stop (skipping radio buttons that are not
// checked), else to the first child; false when there is no child.
bool ziFocusFirstTabStop(zWindow* frame);
// The child that ziFocusFirstTabStop would give the focus to; null when there is none.
HWND ziFirstTabStop(zWindow* frame);
// A click in the dialog outside an open combo box's list closes the list.
void ziCloseComboDropDown(zWindow* frame);
// DM_GETDEFID, DM_SETDEFID and Enter in an edit (0x900). True when the message was one of
// them; the answer goes into *result.
bool ziDefaultButtonMessage(zWindow* frame, uint32_t& defaultId, zEvent* event, LRESULT* result);
// The window is the frame or lies inside it.
bool ziIsWithin(zWindow* frame, HWND window);
// The window's sizer takes the rectangle the window has: its origin relative to the
// parent's window (on the screen for a popup or a window without parent), its extent the
// whole window. Nothing without a native window or a sizer.
void ziSizerFromWindow(zWindow* window);
// Adds the border, caption and menu bar to a client size: the window size whose client
// area is exactly the size given.
void ziAddNonClientSize(uint32_t style, uint32_t exStyle, bool hasMenu, int32_t* width, int32_t* height);
// The background of dialogs: the button face on systems of version 4 and later.
uint32_t ziDialogBackground();
