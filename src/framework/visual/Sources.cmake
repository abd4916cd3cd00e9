# Visual elements and the drawn controls on the "VisualCtrl" window class.
set(PART_SOURCES
  ziVisual.cpp
  ziVisButton.cpp
  ziVisText.cpp
  zVisualCtrl.cpp
  zCtrl3d.cpp
  zCheck3d.cpp
  zBitmapButton.cpp
  zImageStrip.cpp
  zBitmapPane.cpp
  ziVisualPane.cpp
)
