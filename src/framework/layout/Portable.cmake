# The layout engine: sizers and layouts, window-free, built and tested in both builds.
set(PART_SOURCES
  zSizer.cpp
  zGravSizer.cpp
  zTiler.cpp
  zExpandSizer.cpp
)
