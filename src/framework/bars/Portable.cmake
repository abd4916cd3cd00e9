# Window-free rules of the bars and pane controls: the message table, the clock's text, the
# progress fill, the text pane's character grid and the geometry of static captions, value sets
# and tree rows.
list(APPEND PART_SOURCES
  zStatusMessageTable.cpp
  zBarsArith.cpp
  zTextBuf.cpp
  zPaneCtrlArith.cpp
)
