# The grid's window part: the attributes that change a display (text colour, back colour,
# font) and the drawing procedure of the cells.
set(PART_SOURCES
  zTableDrawAttr.cpp
  zTableCellDraw.cpp
)
list(APPEND PART_SOURCES zTable.cpp)
