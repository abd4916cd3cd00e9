# The bars of a frame and their fields: status line and items, toolbar and button groups,
# tool tips, progress bar.
list(APPEND PART_SOURCES
  zStatusMessageTableRes.cpp
  zStatusLine.cpp
  zStatusItems.cpp
  zButtonGroup.cpp
  zToolbar.cpp
  zProgressBar.cpp
  zToolTip.cpp
)
