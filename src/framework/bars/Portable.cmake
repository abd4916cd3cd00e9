# Window-free parts of the bars and pane controls: the text pane's character grid and the
# geometry of static captions, value sets and tree rows.
list(APPEND PART_SOURCES
  zTextBuf.cpp
  zPaneCtrlArith.cpp
)
