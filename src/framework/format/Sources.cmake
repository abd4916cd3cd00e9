# The formatted edit: a Windows edit control driven by a formatter.
set(PART_SOURCES
  zFormattedEdit.cpp
)
