# Services at the framework's edge: printing, the OLE clipboard with its data objects,
# and mail through the system's MAPI library.
set(PART_SOURCES
  zMail.cpp
  zDataObject.cpp
  zClipboard.cpp
  zPrinter.cpp
  zPrintJob.cpp
)
