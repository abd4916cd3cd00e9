# Window-free rules of the bars: the message table, the clock's text, the progress fill.
list(APPEND PART_SOURCES
  zStatusMessageTable.cpp
  zBarsArith.cpp
)
