# The formatted edit: a single-line edit driven by a formatter; the system's character
# classes and number settings, which the window-free formatters take from it.
set(PART_SOURCES
  zFormattedEdit.cpp
  zSystemConventions.cpp
)
