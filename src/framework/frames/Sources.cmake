# MDI frames and children, margin frames, dialog frames and the template reader, form
# dialogs, the common dialogs, panes and their scrollers.
set(PART_SOURCES
  ziFrameSupport.cpp
  zMDIAppFrame.cpp
  zMDIMarginFrame.cpp
  zDialogUnit.cpp
  ziDialogReader.cpp
  ziTemplateControls.cpp
  zDialogFrameOf.cpp
  zDialogFrame.cpp
  zMDIDialogFrame.cpp
  zFormDialog.cpp
  zCommonForms.cpp
  zChildFrame.cpp
  zPane.cpp
  zPaneScroller.cpp
)
