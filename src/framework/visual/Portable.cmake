# Window-free decisions of the drawn controls (hit tests, mnemonics, button states).
set(PART_SOURCES
  zVisualArith.cpp
)
