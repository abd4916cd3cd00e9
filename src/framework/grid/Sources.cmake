# The grid's window part: the attributes that change a display (text colour, back colour,
# font), the drawing procedure of the cells, the grid window, its scroller and the
# printable grid.
set(PART_SOURCES
  zTableDrawAttr.cpp
  zTableCellDraw.cpp
  zTable.cpp
  zTableEdit.cpp
  zTableEditLine.cpp
  zTableScroller.cpp
  zTablePrintable.cpp
)
