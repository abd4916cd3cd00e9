# Formatted input without windows: ranges, bit vectors, picture elements, the formatter
# base, locale conventions and the number formatter; built and tested in both builds.
set(PART_SOURCES
  zBitVector.cpp
  zFormatter.cpp
  zPictStrEl.cpp
  zIntlContext.cpp
  zNumFormatter.cpp
)
