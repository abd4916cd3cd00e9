# The bars of a frame and their fields (status line and items, toolbar and button groups,
# tool tips, progress bar), pane controls drawn by the framework, and wrappers of the
# system's common controls.
list(APPEND PART_SOURCES
  zStatusMessageTableRes.cpp
  zBarPane.cpp
  zStatusLine.cpp
  zStatusItems.cpp
  zButtonGroup.cpp
  zToolbar.cpp
  zProgressBar.cpp
  zToolTip.cpp
  zStaticText3d.cpp
  zTabCtrl.cpp
  zCommonCtrl.cpp
  zTextPane.cpp
  zValueSet.cpp
  zTreeCtrl.cpp
  zPaneCtrlTypes.cpp
)
