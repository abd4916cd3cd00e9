# Displays, drawing objects, fonts, measures, regions, bitmaps, metafiles, aspects.
set(PART_SOURCES
  zDrawObj.cpp
  zMeasure.cpp
  zRegion.cpp
  zFont.cpp
  zDisplay.cpp
  zBitmap.cpp
  zBitmapDisplay.cpp
  zMetafileDisplay.cpp
  zAspect.cpp
)
