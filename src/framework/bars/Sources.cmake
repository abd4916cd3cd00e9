# Bars and pane controls drawn by the framework, and wrappers of the system's common controls.
list(APPEND PART_SOURCES
  zStaticText3d.cpp
  zTabCtrl.cpp
  zCommonCtrl.cpp
  zTextPane.cpp
  zValueSet.cpp
  zTreeCtrl.cpp
  zPaneCtrlTypes.cpp
)
