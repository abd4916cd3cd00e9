# Window-free decisions of the scrollers (keys, line and page moves, ranges, origins).
set(PART_SOURCES
  zScrollArith.cpp
)
