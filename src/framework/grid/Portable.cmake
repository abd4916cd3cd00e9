# The grid's window-free layer: positions, attributes and their gathering, cells and the
# cell factory, the four table models and the sparse size tables; built and tested in both
# builds. Drawing reaches the cells through the painter the window part installs.
set(PART_SOURCES
  zTableAttr.cpp
  zTableCell.cpp
  zTableModel.cpp
  zTableSizeTable.cpp
  zTableHeaderTexts.cpp
  zTableLayout.cpp
  zTablePages.cpp
)
