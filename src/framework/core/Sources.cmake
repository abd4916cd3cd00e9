# Application object, message loop, window map, events and routing, windows, resources,
# timers and idle tasks; what a window owns or draws through: the frame's menus and popup
# menus, scrollers, the window's display; and the least forms of neighbouring parts,
# replaced where those parts are built.
set(PART_SOURCES
  zProgram.cpp
  zControlType.cpp
  zSuperClass.cpp
  ziWindowMap.cpp
  zEvH.cpp
  zNotifyNode.cpp
  zMessageHandler.cpp
  zWindow.cpp
  zFrameWin.cpp
  zFrameRedraw.cpp
  zChildWin.cpp
  zMenu.cpp
  zPopupMenu.cpp
  zScroller.cpp
  zWinDisplay.cpp
  zProgramFrame.cpp
  zWindowProc.cpp
  zSystemEntry.cpp
  zDevice.cpp
  zResId.cpp
  zResources.cpp
  zScrollInfo.cpp
  zTaskDev.cpp
  zTimerDev.cpp
)
