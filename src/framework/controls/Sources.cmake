# Standard controls over the system's control classes, scroll-bar controls, radio groups;
# the creators of the control types that the application object registers.
set(PART_SOURCES
  zControl.cpp
  zControlReport.cpp
  zButton.cpp
  zEdit.cpp
  zListBox.cpp
  zScrollBar.cpp
  zRadio.cpp
)
