# The formatted edit: a single-line edit driven by a formatter.
set(PART_SOURCES
  zFormattedEdit.cpp
)
